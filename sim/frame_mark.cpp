#include "sim/frame_mark.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vantrel::sim {
namespace {

// Cells: a white and a black start cell, the channel bit, 16 frame bits (lowest first) and an
// even-parity cell over the channel and frame bits.
constexpr int kCellCount = 20;
constexpr int kFrameBits = 16;
constexpr double kCellsAcross = 40.0;  // a cell is 1/40 of the width...
constexpr double kCellsDown = 22.5;    // ...and 1/22.5 of the height: square at 16:9
constexpr int kMinimumWidth = 160;
constexpr int kMinimumHeight = 90;
constexpr uint8_t kWhite = 235;
constexpr uint8_t kBlack = 16;

using Cells = std::array<bool, kCellCount>;

Cells Encode(const FrameMark& mark) {
  Cells cells{};
  cells[0] = true;
  cells[1] = false;
  cells[2] = mark.channel == 2;
  bool parity = cells[2];
  for (int bit = 0; bit < kFrameBits; ++bit) {
    cells[3 + bit] = ((mark.frame >> bit) & 1) != 0;
    parity ^= cells[3 + bit];
  }
  cells[kCellCount - 1] = parity;
  return cells;
}

std::optional<FrameMark> Decode(const Cells& cells) {
  if (!cells[0] || cells[1]) return std::nullopt;
  bool parity = cells[2];
  FrameMark mark;
  mark.channel = cells[2] ? 2 : 1;
  mark.frame = 0;
  for (int bit = 0; bit < kFrameBits; ++bit) {
    if (cells[3 + bit]) mark.frame |= 1 << bit;
    parity ^= cells[3 + bit];
  }
  if (parity != cells[kCellCount - 1]) return std::nullopt;
  return mark;
}

int Round(double value) { return static_cast<int>(std::lround(value)); }

}  // namespace

void DrawFrameMark(const PictureView& picture, const FrameMark& mark) {
  if (picture.width < kMinimumWidth || picture.height < kMinimumHeight) return;
  const double cell_width = picture.width / kCellsAcross;
  const double cell_height = picture.height / kCellsDown;
  const int top = Round(picture.height - 2 * cell_height);
  const int bottom = Round(picture.height - cell_height);
  const Cells cells = Encode(mark);
  for (int i = 0; i < kCellCount; ++i) {
    const int left = Round((1 + i) * cell_width);
    const int right = Round((2 + i) * cell_width);
    FillRectangle(picture, left, top, right - left, bottom - top, cells[i] ? kWhite : kBlack);
  }
}

std::optional<FrameMark> ReadFrameMark(const uint8_t* luma, int stride, int width, int height) {
  if (luma == nullptr || width < kMinimumWidth || height < kMinimumHeight || stride < width) {
    return std::nullopt;
  }
  const double cell_width = width / kCellsAcross;
  const int y = std::clamp(Round(height - 1.5 * height / kCellsDown), 1, height - 2);
  // Average a 3x3 patch at each cell's centre: compression blurs the cells' edges only.
  auto sample = [&](double x_centre, bool mirrored) {
    int x = Round(x_centre);
    if (mirrored) x = width - 1 - x;
    x = std::clamp(x, 1, width - 2);
    int sum = 0;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx)
        sum += luma[static_cast<std::ptrdiff_t>(y + dy) * stride + x + dx];
    }
    return sum / 9 >= 128;
  };
  for (bool mirrored : {false, true}) {
    Cells cells{};
    for (int i = 0; i < kCellCount; ++i) cells[i] = sample((1.5 + i) * cell_width, mirrored);
    if (auto mark = Decode(cells)) return mark;
  }
  return std::nullopt;
}

}  // namespace vantrel::sim
