// The simulator's frame mark read back from a converted picture: 4 bytes a pixel (B, G, R,
// unused), the green byte standing for the grey the mark was drawn in.
#pragma once

#include <cstdint>
#include <optional>

#include "sim/frame_mark.h"

namespace vantrel {

std::optional<sim::FrameMark> BgraFrameMark(const uint8_t* pixels, int width, int height,
                                            int stride);

}  // namespace vantrel
