// A tiny 5x7 bitmap font for the caption burnt into simulated pictures (channel, frame number,
// clock), so that a person can tell frames apart in a grab. It holds the digits, ":", ".", "-"
// and the capitals of "FRONT" and "REAR"; other characters are drawn as blanks.
#pragma once

#include <string_view>

#include "sim/picture.h"

namespace vantrel::sim {

inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;
inline constexpr int kGlyphAdvance = 6;  // glyph plus one column of space

// Draws text in white on a black box, with its top left corner at (x, y), each font dot a square
// of scale pixels. Text outside the picture is clipped.
void DrawCaption(const PictureView& picture, int x, int y, int scale, std::string_view text);

// The width in pixels DrawCaption gives text, box included.
int CaptionWidth(std::string_view text, int scale);

}  // namespace vantrel::sim
