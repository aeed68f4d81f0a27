// The graph's geometry: the grid for a client size and where each sample lands, including the
// cases a recording can bring that the plain formulas cannot take (a last time of 0, values past
// +-2 g, samples after the last one's time, clients too small for a column).
#include <gtest/gtest.h>

#include "telemetry/gsensor_plot.h"

namespace vantrel {
namespace {

RecordArray<GsensorRecord> Samples(std::initializer_list<GsensorRecord> records) {
  RecordArray<GsensorRecord> samples;
  for (const GsensorRecord& record : records) samples.Append(record);
  return samples;
}

TEST(GsensorPlot, LayoutFollowsTheClientSizeWithWholeColumns) {
  const GraphLayout g = LayoutGraph(600, 132);
  EXPECT_EQ(g.left, 20);
  EXPECT_EQ(g.top, 10);
  EXPECT_EQ(g.bottom, 127);
  EXPECT_EQ(g.column_width, 47);  // (600 - 30) / 12
  EXPECT_EQ(g.right, 20 + 12 * 47);
  EXPECT_EQ(g.middle, 10 + 117 / 2);

  // Below 42 pixels no column fits: the right edge is the left one. Far below, it stays there.
  for (int width : {41, 30, 5, 1}) {
    const GraphLayout narrow = LayoutGraph(width, 100);
    EXPECT_EQ(narrow.column_width, 0) << width;
    EXPECT_EQ(narrow.right, 20) << width;
  }
  EXPECT_EQ(LayoutGraph(42, 100).column_width, 1);
}

TEST(GsensorPlot, NoSamplesNoCurves) {
  for (const auto& curve : GraphCurves(LayoutGraph(600, 132), {})) EXPECT_TRUE(curve.empty());
}

TEST(GsensorPlot, SamplesSpreadOverTheWidthByTheLastTime) {
  const GraphLayout g = LayoutGraph(600, 132);  // left 20, right 584, middle 68, sy 29.0
  const auto curves =
      GraphCurves(g, Samples({{32, 64, 1, 0}, {0, 96, 32, 1000}, {16, 0, 0, 3000}}));
  // X: from the middle, 32 counts (1.008 g) is 68 - 32 * 0.0315 * 29 = 38.768 -> 38.
  EXPECT_EQ(curves[0],
            (std::vector<GraphPoint>{{20, 68}, {20, 38}, {208, 68}, {584, 53}, {584, 53}}));
  // Y: 64 counts (2.016 g) would land half a pixel above the top, 96 counts (3.02 g) far above:
  // both are clipped to it.
  EXPECT_EQ(curves[1][1], (GraphPoint{20, 10}));
  EXPECT_EQ(curves[1][2], (GraphPoint{208, 10}));
  // Z at 1 g after the first sample; the curve goes on flat to the right edge.
  EXPECT_EQ(curves[2][2], (GraphPoint{208, 38}));
  EXPECT_EQ(curves[2].back(), (GraphPoint{584, 68}));
}

TEST(GsensorPlot, OneSampleDrawsFromTheLeftEdgeToItAndOn) {
  const GraphLayout g = LayoutGraph(600, 132);
  const auto curves = GraphCurves(g, Samples({{32, 32, 32, 500}}));
  EXPECT_EQ(curves[0], (std::vector<GraphPoint>{{20, 68}, {584, 38}, {584, 38}}));
}

TEST(GsensorPlot, ALastTimeOfZeroStaysAtTheLeftEdge) {
  const GraphLayout g = LayoutGraph(600, 132);
  const auto curves = GraphCurves(g, Samples({{32, 0, 0, 0}, {64, 0, 0, 0}}));
  for (const auto& curve : curves) {
    ASSERT_FALSE(curve.empty());
    for (const GraphPoint& point : curve) EXPECT_EQ(point.x, 20);
  }
  EXPECT_EQ(curves[0].back().y, 10);  // 64 counts, clipped
}

TEST(GsensorPlot, SamplesAfterTheLastTimeAndValuesPastTwoGStayInsideThePlot) {
  const GraphLayout g = LayoutGraph(600, 132);
  // A later sample in the middle (out of order) never reaches past the last sample's x.
  const auto curves =
      GraphCurves(g, Samples({{256, 1, 0, 100}, {256, 256, 0, 9000}, {0, 0, 0, 400}}));
  for (const auto& curve : curves) {
    for (const GraphPoint& point : curve) {
      EXPECT_GE(point.y, g.top);
      EXPECT_LE(point.y, g.bottom);
      EXPECT_LE(point.x, g.right);
    }
  }
  EXPECT_EQ(curves[0].size(), 4u);  // start, two samples, the run to the right edge
  EXPECT_EQ(curves[0][1], (GraphPoint{20 + 141, 10}));  // 8 g clipped to the top
}

TEST(GsensorPlot, ANarrowClientPutsEveryPointOnTheLeftEdge) {
  const GraphLayout g = LayoutGraph(41, 60);
  const auto curves = GraphCurves(g, Samples({{10, 20, 30, 100}, {30, 20, 10, 200}}));
  for (const auto& curve : curves) {
    for (const GraphPoint& point : curve) EXPECT_EQ(point.x, 20);
  }
}

}  // namespace
}  // namespace vantrel
