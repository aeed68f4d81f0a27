#include <array>

#include "device/settings_file.h"

namespace vantrel::device {

namespace {

using enum SettingsField;

constexpr std::array kExtendedFields = {
    kProductName,   kHardwareVersion, kSoftwareVersion, kAccTriggerLevel, kVideoQuality,
    kAudioEnable,   kSpeakerVolume,   kVideoChannels,   kParkingMode,     kBatteryVolt,
    kBatteryCutOff, kPowerOffTimer,   kSdAllocation,    kSpeakerMute,     kLcdOffTime};
constexpr std::array kParkingFields = {
    kProductName,   kHardwareVersion, kSoftwareVersion, kAccTriggerLevel, kVideoQuality,
    kAudioEnable,   kSpeakerVolume,   kVideoChannels,   kParkingMode,     kBatteryVolt,
    kBatteryCutOff, kPowerOffTimer,   kLcdOffTime};
constexpr std::array kBasicFields = {kProductName,     kHardwareVersion, kSoftwareVersion,
                                     kAccTriggerLevel, kVideoQuality,    kAudioEnable,
                                     kSpeakerVolume,   kVideoChannels,   kBatteryVolt,
                                     kBatteryCutOff,   kPowerOffTimer,   kLcdOffTime};

// Indexed by SettingsField. The misspellings are the recorder's and must stay.
constexpr std::array<std::string_view, 15> kLabels = {
    "Product Name            : ", "H/W Version             : ", "S/W Version             : ",
    "Acc Trigger Level       : ", "REC Video Qulity        : ", "REC Audio Enable        : ",
    "SPK Vol                 : ", "Video Channles          : ", "Parking Mode Select     : ",
    "Car Battery Volt        : ", "Battery CutOff Volt     : ", "Power Off Timer         : ",
    "SD Allocation           : ", "Speaker Mute            : ", "LCD Off Time            : ",
};

}  // namespace

std::span<const SettingsField> LayoutFields(SettingsLayout layout) {
  switch (layout) {
    case SettingsLayout::kExtended:
      return kExtendedFields;
    case SettingsLayout::kParking:
      return kParkingFields;
    case SettingsLayout::kBasic:
      break;
  }
  return kBasicFields;
}

std::string_view FieldLabel(SettingsField field) { return kLabels[static_cast<size_t>(field)]; }

}  // namespace vantrel::device
