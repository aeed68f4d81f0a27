// The frame mark must read back exactly what was drawn, also from a scaled or mirrored grab, and
// never report a frame from a picture without a readable mark.
#include <gtest/gtest.h>

#include <vector>

#include "sim/frame_mark.h"
#include "sim/road_scene.h"

namespace vantrel::sim {
namespace {

struct Picture {
  Picture(int width, int height)
      : luma(static_cast<size_t>(width) * height, 100), chroma(luma.size() / 4, 128) {
    view.luma = luma.data();
    view.cb = chroma.data();
    view.cr = chroma.data();
    view.luma_stride = width;
    view.chroma_stride = width / 2;
    view.width = width;
    view.height = height;
  }
  std::vector<uint8_t> luma;
  std::vector<uint8_t> chroma;
  PictureView view;
};

std::optional<FrameMark> Read(const std::vector<uint8_t>& luma, int width, int height) {
  return ReadFrameMark(luma.data(), width, width, height);
}

TEST(SimFrameMark, ReadsBackWhatWasDrawnOnAScene) {
  const RoadScene scene(320, 180, Camera::kFront, 3);
  for (const FrameMark drawn : {FrameMark{1, 0}, FrameMark{2, 1}, FrameMark{1, 12345},
                                FrameMark{2, 65535}, FrameMark{1, 0xAAAA}}) {
    Picture picture(320, 180);
    scene.Paint(picture.view, drawn.frame * 0.5, drawn.frame);
    DrawFrameMark(picture.view, drawn);
    const auto read = Read(picture.luma, 320, 180);
    ASSERT_TRUE(read.has_value()) << drawn.frame;
    EXPECT_EQ(read->channel, drawn.channel);
    EXPECT_EQ(read->frame, drawn.frame);
  }
}

TEST(SimFrameMark, ReadsFromScaledAndMirroredGrabs) {
  Picture picture(320, 180);
  DrawFrameMark(picture.view, FrameMark{2, 4242});

  // Twice the size, nearest neighbour, as a window larger than the picture shows it.
  std::vector<uint8_t> scaled(640 * 360);
  for (int y = 0; y < 360; ++y) {
    for (int x = 0; x < 640; ++x) scaled[y * 640 + x] = picture.luma[(y / 2) * 320 + x / 2];
  }
  auto read = Read(scaled, 640, 360);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->frame, 4242);

  // Left and right swapped, as the viewer may show the rear camera.
  std::vector<uint8_t> mirrored(picture.luma.size());
  for (int y = 0; y < 180; ++y) {
    for (int x = 0; x < 320; ++x) mirrored[y * 320 + x] = picture.luma[y * 320 + 319 - x];
  }
  read = Read(mirrored, 320, 180);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->channel, 2);
  EXPECT_EQ(read->frame, 4242);
}

TEST(SimFrameMark, FindsNoMarkWhereThereIsNone) {
  Picture blank(320, 180);
  EXPECT_FALSE(Read(blank.luma, 320, 180).has_value());

  // One flipped cell breaks the parity.
  Picture damaged(320, 180);
  DrawFrameMark(damaged.view, FrameMark{1, 77});
  const int cell_x = static_cast<int>((1.5 + 3) * 320 / 40.0);  // the lowest frame bit
  const int cell_y = static_cast<int>(180 - 1.5 * 180 / 22.5);
  for (int dy = -2; dy <= 2; ++dy) {
    for (int dx = -2; dx <= 2; ++dx) {
      uint8_t& value = damaged.luma[(cell_y + dy) * 320 + cell_x + dx];
      value = value > 128 ? 16 : 235;
    }
  }
  EXPECT_FALSE(Read(damaged.luma, 320, 180).has_value());

  // Too small to carry a mark: none is drawn and none is read.
  Picture small(64, 36);
  const std::vector<uint8_t> before = small.luma;
  DrawFrameMark(small.view, FrameMark{1, 5});
  EXPECT_EQ(small.luma, before);
  EXPECT_FALSE(Read(small.luma, 64, 36).has_value());
  EXPECT_FALSE(ReadFrameMark(nullptr, 320, 320, 180).has_value());
  EXPECT_FALSE(ReadFrameMark(blank.luma.data(), 100, 320, 180).has_value());  // stride too short
}

}  // namespace
}  // namespace vantrel::sim
