// "setup.cfg", the recorder's own settings file in the card root: one field a line, each line a
// 26-character label and the value, ending in CR LF. The selected model's layout decides which
// line holds which field; the file itself names no model that is trusted.
//
// Layout examples, model 3 ("MERIDA") with its defaults, each line ending in CR LF:
//   Product Name            : MERIDA
//   H/W Version             : V1.0.0
//   S/W Version             : V1.0.0
//   Acc Trigger Level       : 3
//   REC Video Qulity        : 3
//   REC Audio Enable        : 1
//   SPK Vol                 : 3
//   Video Channles          : 2
//   Car Battery Volt        : 0
//   Battery CutOff Volt     : 3
//   Power Off Timer         : 2
//   LCD Off Time            : 1
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "device/device_model.h"
#include "device/device_settings.h"

namespace vantrel::device {

enum class SettingsField {
  kProductName,
  kHardwareVersion,
  kSoftwareVersion,
  kAccTriggerLevel,
  kVideoQuality,
  kAudioEnable,
  kSpeakerVolume,
  kVideoChannels,
  kParkingMode,
  kBatteryVolt,
  kBatteryCutOff,
  kPowerOffTimer,
  kSdAllocation,
  kSpeakerMute,
  kLcdOffTime,
};

inline constexpr size_t kSettingsLabelChars = 26;

// The fields of a layout in line order.
std::span<const SettingsField> LayoutFields(SettingsLayout layout);

// The field's label: its name (the recorder's spelling) padded to 24 characters, ":" and a space.
std::string_view FieldLabel(SettingsField field);

// Reads the file at path into settings by the layout of model (0..5). Fields whose lines are
// missing, out of range or past a line that stops the reading keep their values. False, with
// settings untouched, when the file cannot be opened or the model is outside 0..5.
bool ReadDeviceSettings(const std::string& path, int model, DeviceSettings& settings);

// The whole file of settings in the model's layout, CR LF line ends; none outside 0..5.
std::optional<std::string> FormatDeviceSettings(int model, const DeviceSettings& settings);

// Replaces the file at path with FormatDeviceSettings (through a new file beside it, so the old
// file stays whole if writing fails). False when the model is outside 0..5 or writing failed.
bool WriteDeviceSettings(const std::string& path, int model, const DeviceSettings& settings);

}  // namespace vantrel::device
