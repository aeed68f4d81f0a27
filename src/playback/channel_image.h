// A copy of one channel's current picture at its native size: 4 bytes per pixel (B, G, R,
// unused), rows top first, no padding.
#pragma once

#include <cstdint>
#include <vector>

namespace vantrel {

struct ChannelImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;  // width x height x 4
};

}  // namespace vantrel
