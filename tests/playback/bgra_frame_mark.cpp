#include "bgra_frame_mark.h"

#include <cstddef>
#include <vector>

namespace vantrel {

std::optional<sim::FrameMark> BgraFrameMark(const uint8_t* pixels, int width, int height,
                                            int stride) {
  std::vector<uint8_t> green(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      green[static_cast<size_t>(y) * width + x] =
          pixels[static_cast<size_t>(y) * stride + static_cast<size_t>(x) * 4 + 1];
    }
  }
  return sim::ReadFrameMark(green.data(), width, width, height);
}

}  // namespace vantrel
