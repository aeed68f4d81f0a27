#include "telemetry/map/map_dlg_geometry.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(MapDlgGeometry, BandsAreTenPixelsWideWithCornersFirst) {
  EXPECT_EQ(BorderHitAt(0, 0, 300, 300), BorderHit::kTopLeft);
  EXPECT_EQ(BorderHitAt(299, 9, 300, 300), BorderHit::kTopRight);
  EXPECT_EQ(BorderHitAt(9, 290, 300, 300), BorderHit::kBottomLeft);
  EXPECT_EQ(BorderHitAt(290, 299, 300, 300), BorderHit::kBottomRight);
  EXPECT_EQ(BorderHitAt(9, 150, 300, 300), BorderHit::kLeft);
  EXPECT_EQ(BorderHitAt(150, 9, 300, 300), BorderHit::kTop);
  EXPECT_EQ(BorderHitAt(290, 150, 300, 300), BorderHit::kRight);
  EXPECT_EQ(BorderHitAt(150, 290, 300, 300), BorderHit::kBottom);
  EXPECT_EQ(BorderHitAt(10, 10, 300, 300), BorderHit::kClient);
  EXPECT_EQ(BorderHitAt(289, 289, 300, 300), BorderHit::kClient);
}

TEST(MapDlgGeometry, InwardDragsStopThreeHundredPixelsFromTheOppositeEdge) {
  const WindowEdges window{100, 100, 600, 500};
  // Left and top edges dragged far inward stop 300 px before the right and bottom edges.
  const WindowEdges top_left = ResizedEdges(window, BorderHit::kTopLeft, 590, 490);
  EXPECT_EQ(top_left.left, 300);
  EXPECT_EQ(top_left.top, 200);
  EXPECT_EQ(top_left.right, 600);
  EXPECT_EQ(top_left.bottom, 500);
  // Right and bottom edges dragged past the left and top keep the minimum size.
  const WindowEdges bottom_right = ResizedEdges(window, BorderHit::kBottomRight, 0, 0);
  EXPECT_EQ(bottom_right.right, 400);
  EXPECT_EQ(bottom_right.bottom, 400);
  // Outward drags follow the pointer; a side band moves one edge only.
  const WindowEdges left = ResizedEdges(window, BorderHit::kLeft, 20, 999);
  EXPECT_EQ(left.left, 20);
  EXPECT_EQ(left.top, 100);
  EXPECT_EQ(left.bottom, 500);
  const WindowEdges bottom = ResizedEdges(window, BorderHit::kBottom, 999, 800);
  EXPECT_EQ(bottom.right, 600);
  EXPECT_EQ(bottom.bottom, 800);
  EXPECT_EQ(ResizedEdges(window, BorderHit::kClient, 0, 0).left, 100);
}

}  // namespace
}  // namespace vantrel
