#include "playback/decoder_settings.h"

#include <algorithm>

namespace vantrel {
namespace {
constexpr int kMaxBrightness = 255;
}  // namespace

bool DecoderSettings::Put(int id, int value) {
  switch (id) {
    case kParamBrightnessOffset:
      brightness = std::clamp(value, -kMaxBrightness, kMaxBrightness);
      return true;
    case kParamAdjustEnabled:
      adjust_enabled = value != 0;
      return true;
    case kParamOrientationEnabled:
      orientation_enabled = value != 0;
      return true;
    case kParamMirror:
      mirror = value != 0;
      return true;
  }
  return false;
}

}  // namespace vantrel
