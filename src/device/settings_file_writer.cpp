#include <string>

#include "device/card_file_write.h"
#include "device/settings_file.h"

namespace vantrel::device {

namespace {

// List fields are written as their index or as index + 1; a list without a selection holds
// kNoSelection, which so becomes -1, or 0.
std::string FieldValue(SettingsField field, const DeviceModel& model, const DeviceSettings& s) {
  switch (field) {
    case SettingsField::kProductName:
      return std::string(model.product_name);
    case SettingsField::kHardwareVersion:
      return kInitialSoftwareVersion;
    case SettingsField::kSoftwareVersion:
      return s.software_version;
    case SettingsField::kAccTriggerLevel:
      return std::to_string(s.acc_trigger_level);
    case SettingsField::kVideoQuality:
      return std::to_string(s.video_quality + 1);
    case SettingsField::kAudioEnable:
      return s.audio_enabled ? "1" : "0";
    case SettingsField::kSpeakerVolume:
      return std::to_string(s.speaker_volume);
    case SettingsField::kVideoChannels:
      return std::to_string(s.video_channels + 1);
    case SettingsField::kParkingMode:
      // The extended layout's recorders accept only mode 1.
      if (model.layout == SettingsLayout::kExtended) return "1";
      return std::to_string(s.parking_mode + 1);
    case SettingsField::kBatteryVolt:
      return s.battery == BatterySystem::k24Volt ? "1" : "0";
    case SettingsField::kBatteryCutOff:
      return std::to_string(s.battery_cutoff);
    case SettingsField::kPowerOffTimer:
      return std::to_string(s.power_off_timer + 1);
    case SettingsField::kSdAllocation:
      return std::to_string(s.sd_allocation);
    case SettingsField::kSpeakerMute:
      return s.speaker_mute ? "1" : "0";
    case SettingsField::kLcdOffTime:
      break;
  }
  return std::to_string(s.lcd_off_time);
}

}  // namespace

std::optional<std::string> FormatDeviceSettings(int model, const DeviceSettings& settings) {
  const DeviceModel* const row = FindDeviceModel(model);
  if (row == nullptr) return std::nullopt;
  std::string text;
  for (const SettingsField field : LayoutFields(row->layout)) {
    text += FieldLabel(field);
    text += FieldValue(field, *row, settings);
    text += "\r\n";
  }
  return text;
}

bool WriteDeviceSettings(const std::string& path, int model, const DeviceSettings& settings) {
  const std::optional<std::string> text = FormatDeviceSettings(model, settings);
  return text && ReplaceFileContents(path, *text);
}

}  // namespace vantrel::device
