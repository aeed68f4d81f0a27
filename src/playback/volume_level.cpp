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

float GainFromAttenuation(int32_t attenuation) {
  if (attenuation <= kSilentVolume) return 0.0f;
  if (attenuation >= 0) return 1.0f;
  return static_cast<float>(std::pow(10.0, attenuation / 2000.0));
}

}  // namespace vantrel
