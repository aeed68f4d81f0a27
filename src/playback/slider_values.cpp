#include "playback/slider_values.h"

#include <algorithm>

namespace vantrel {

float RateFromSlider(int position) {
  const int p = std::clamp(position, 0, 100);
  if (p > 50) return static_cast<float>((p - 50) * 0.06 + 1.0);
  return static_cast<float>(p * 0.018 + 0.1);
}

int BrightnessFromSlider(int position) {
  // x 5.1 in tenths: in floating point 50 x 5.1 comes out just below 255 and truncates to 254.
  // Integer division truncates toward zero on both sides of the middle.
  return (std::clamp(position, 0, 100) - 50) * 51 / 10;
}

}  // namespace vantrel
