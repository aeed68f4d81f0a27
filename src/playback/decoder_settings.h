// The picture adjustments a channel's video decoder takes as numbered parameters, applied to
// every decoded picture before it is shown or captured.
#pragma once

#include <cstdint>

namespace vantrel {

inline constexpr int kParamBrightnessOffset = 202;     // -255..255 added to the luma
inline constexpr int kParamAdjustEnabled = 205;        // 1: the brightness offset applies
inline constexpr int kParamOrientationEnabled = 1101;  // 1: the mirror setting applies
inline constexpr int kParamMirror = 1113;              // 1: flip left to right

struct DecoderSettings {
  bool adjust_enabled = false;
  int brightness = 0;
  bool orientation_enabled = false;
  bool mirror = false;

  // Takes one parameter; brightness beyond +-255 is held at the limit. False for an id the
  // decoder does not know (nothing changes then).
  bool Put(int id, int value);
  int EffectiveBrightness() const { return adjust_enabled ? brightness : 0; }
  bool EffectiveMirror() const { return orientation_enabled && mirror; }
  bool operator==(const DecoderSettings&) const = default;
};

}  // namespace vantrel
