// The colours of a recording-list row by its state: the playing (marked) row first, then a
// selected row, then alternating even and odd rows.
#pragma once

#include <cstdint>

namespace vantrel::ui {

struct RowStyle {
  uint32_t text;        // 0xRRGGBB
  uint32_t background;  // 0xRRGGBB
};

constexpr RowStyle RowStyleOf(int row, bool selected, int playing_row) {
  if (row == playing_row) return {0xC8C8C8, 0x008080};
  if (selected) return {0x141414, 0x808000};
  return {0xB4B4B4, row % 2 == 0 ? 0x464646u : 0x323232u};
}

}  // namespace vantrel::ui
