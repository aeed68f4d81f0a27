// The volume slider's level (0..99) as an attenuation in hundredths of a decibel.
#pragma once

#include <cstdint>

namespace vantrel {

inline constexpr int32_t kSilentVolume = -10000;

// 1000 x log10(x + f x (1 - x)) with x = 1e-10 and f = level / 100 as a 32-bit float, truncated
// toward zero: 0 -> -10000, 1 -> -2000, 50 -> -301, 99 -> -4. Levels outside 0..99 are held at
// the nearer end.
int32_t VolumeAttenuation(int level);

// An attenuation in hundredths of a decibel as a linear gain, 10^(attenuation / 2000): 0 -> 1,
// -600 -> about 0.5; kSilentVolume and below -> exactly 0, and never above 1.
float GainFromAttenuation(int32_t attenuation);

}  // namespace vantrel
