#include "device/settings_lists.h"

#include <array>

#include "device/device_model.h"

namespace vantrel::device {

namespace {

constexpr uint32_t kOffText = 155;

constexpr std::array<ListEntry, kAccTriggerLevelEntries> kAccTriggerLevel = {
    {{kOffText, {}}, {161, {}}, {160, {}}, {159, {}}, {158, {}}, {157, {}}, {156, {}}}};
constexpr std::array<ListEntry, kVideoQualityEntries> kVideoQuality = {
    {{172, {}}, {171, {}}, {170, {}}}};
constexpr std::array<ListEntry, kSpeakerVolumeEntries> kSpeakerVolume = {
    {{236, {}}, {0, "Level 1"}, {0, "Level 2"}, {0, "Level 3"}, {0, "Level 4"}, {0, "Level 5"}}};
constexpr std::array<ListEntry, kVideoChannelsEntries> kVideoChannels = {{{175, {}}, {174, {}}}};
constexpr std::array<ListEntry, kParkingModeEntries> kParkingMode = {{{165, {}}, {166, {}}}};
constexpr std::array<ListEntry, kBatteryCutOffEntries> kCutOff12Volt = {{{kOffText, {}},
                                                                         {0, "11.5V"},
                                                                         {0, "11.7V"},
                                                                         {0, "11.9V"},
                                                                         {0, "12.1V"},
                                                                         {0, "12.3V"},
                                                                         {0, "12.5V"}}};
constexpr std::array<ListEntry, kBatteryCutOffEntries> kCutOff24Volt = {{{kOffText, {}},
                                                                         {0, "23.0V"},
                                                                         {0, "23.4V"},
                                                                         {0, "23.8V"},
                                                                         {0, "24.2V"},
                                                                         {0, "24.3V"},
                                                                         {0, "24.4V"}}};
constexpr std::array<ListEntry, kPowerOffTimerEntries> kPowerOffTimer = {
    {{0, "6H"}, {0, "12H"}, {0, "24H"}, {0, "48H"}}};
constexpr std::array<ListEntry, kSdAllocationEntries> kSdAllocation = {{{243, {}}, {244, {}}}};
constexpr std::array<ListEntry, kLongLcdOffEntries> kLongLcdOff = {
    {{214, {}}, {215, {}}, {216, {}}, {217, {}}, {220, {}}}};
constexpr std::array<ListEntry, kShortLcdOffEntries> kShortLcdOff = {
    {{215, {}}, {216, {}}, {220, {}}}};

}  // namespace

std::span<const ListEntry> ListEntries(SettingsList list) {
  switch (list) {
    case SettingsList::kAccTriggerLevel:
      return kAccTriggerLevel;
    case SettingsList::kVideoQuality:
      return kVideoQuality;
    case SettingsList::kSpeakerVolume:
      return kSpeakerVolume;
    case SettingsList::kVideoChannels:
      return kVideoChannels;
    case SettingsList::kParkingMode:
      return kParkingMode;
    case SettingsList::kBatteryCutOff12Volt:
      return kCutOff12Volt;
    case SettingsList::kBatteryCutOff24Volt:
      return kCutOff24Volt;
    case SettingsList::kPowerOffTimer:
      return kPowerOffTimer;
    case SettingsList::kSdAllocation:
      return kSdAllocation;
    case SettingsList::kLongLcdOff:
      return kLongLcdOff;
    case SettingsList::kShortLcdOff:
      break;
  }
  return kShortLcdOff;
}

SettingsList BatteryCutOffList(BatterySystem battery) {
  return battery == BatterySystem::k24Volt ? SettingsList::kBatteryCutOff24Volt
                                           : SettingsList::kBatteryCutOff12Volt;
}

SettingsList LcdOffListOf(int model) {
  const DeviceModel* const row = FindDeviceModel(model);
  return row != nullptr && row->lcd_off_list == LcdOffList::kShort ? SettingsList::kShortLcdOff
                                                                   : SettingsList::kLongLcdOff;
}

std::vector<std::string> ListEntryTexts(
    SettingsList list, const std::function<std::optional<std::string>(uint32_t)>& lookup) {
  std::vector<std::string> texts;
  for (const ListEntry& entry : ListEntries(list)) {
    std::optional<std::string> text;
    if (entry.text_id == 0) {
      text = std::string(entry.literal);
    } else {
      text = lookup(entry.text_id);
    }
    texts.push_back(text ? *text : std::to_string(texts.size()));
  }
  return texts;
}

}  // namespace vantrel::device
