#include "ui/skin/slider_mappings.h"

#include <algorithm>
#include <cstdint>

namespace vantrel::ui {
namespace {

// The small slider's track is 100 pixels whatever its range.
constexpr int kSimpleTrackWidth = 100;

}  // namespace

float RateFromSlider(int position) {
  const int p = std::clamp(position, 0, kSimpleSliderMaximum);
  if (p <= kSimpleSliderMiddle) return static_cast<float>(p * 0.018 + 0.1);
  return static_cast<float>((p - kSimpleSliderMiddle) * 0.06 + 1.0);
}

int BrightnessFromSlider(int position) {
  const int p = std::clamp(position, 0, kSimpleSliderMaximum);
  // x 5.1 in tenths, so that 100 gives exactly 255 and not 254 from a rounding error; integer
  // division truncates toward zero on both sides of the middle.
  return (p - kSimpleSliderMiddle) * 51 / 10;
}

int SeekPositionAt(int x, int width, int maximum) {
  if (width <= 0 || maximum <= 0) return 0;
  // 64-bit: a recording's length in milliseconds times a screen x overflows 32 bits.
  const int64_t position = static_cast<int64_t>(x) * maximum / width;
  return static_cast<int>(std::clamp<int64_t>(position, 0, maximum));
}

int SeekFillWidth(int position, int maximum, int width, int inset) {
  if (maximum <= 0 || width <= 0) return 0;
  const int64_t fill = static_cast<int64_t>(position) * (width - inset) / maximum + 7;
  return static_cast<int>(std::clamp<int64_t>(fill, 0, width));
}

int SimpleFillWidth(int position, int maximum) {
  if (maximum <= 0) return 0;
  const int64_t fill = static_cast<int64_t>(position) * kSimpleTrackWidth / maximum;
  return static_cast<int>(std::clamp<int64_t>(fill, 0, kSimpleTrackWidth));
}

}  // namespace vantrel::ui
