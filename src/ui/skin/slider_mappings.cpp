#include "ui/skin/slider_mappings.h"

#include <algorithm>
#include <cstdint>

namespace vantrel::ui {
namespace {

// The small slider's track is 100 pixels whatever its range.
constexpr int kSimpleTrackWidth = 100;

}  // namespace

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
