// A machine-readable mark on every simulated picture: a row of black and white cells near the
// bottom left that carries the channel and the frame number, so tests can tell which frame a grab
// shows. The cells are placed in fractions of the picture's size, so a grab that was scaled (or
// mirrored, as the viewer may show the rear channel) still reads back.
#pragma once

#include <cstdint>
#include <optional>

#include "sim/picture.h"

namespace vantrel::sim {

struct FrameMark {
  int channel = 1;  // 1 front, 2 rear
  int frame = 0;    // frame number, modulo 65536
};

// Draws the mark; pictures too small to hold it (under 160x90) are left unmarked.
void DrawFrameMark(const PictureView& picture, const FrameMark& mark);

// Reads the mark back from a luma plane (or any 8-bit grey picture). Empty when there is no
// readable mark, e.g. when the parity cell disagrees.
std::optional<FrameMark> ReadFrameMark(const uint8_t* luma, int stride, int width, int height);

}  // namespace vantrel::sim
