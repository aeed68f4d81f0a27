#include "playback/volume_level.h"

#include <algorithm>
#include <cmath>

namespace vantrel {

int32_t VolumeAttenuation(int level) {
  constexpr double kFloor = 1e-10;
  const float fraction = static_cast<float>(std::clamp(level, 0, 99)) / 100.0f;
  const double value = 1000.0 * std::log10(kFloor + static_cast<double>(fraction) * (1.0 - kFloor));
  return static_cast<int32_t>(std::trunc(value));
}

}  // namespace vantrel
