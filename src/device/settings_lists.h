// The value lists the settings dialog offers, entry by entry: a language text or a fixed text.
// Whatever the language library gives, every list keeps its entry count, so a stored index keeps
// its meaning in "setup.cfg".
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "device/device_settings.h"

namespace vantrel::device {

enum class SettingsList {
  kAccTriggerLevel,
  kVideoQuality,
  kSpeakerVolume,
  kVideoChannels,
  kParkingMode,
  kBatteryCutOff12Volt,
  kBatteryCutOff24Volt,
  kPowerOffTimer,
  kSdAllocation,
  kLongLcdOff,
  kShortLcdOff,
};

struct ListEntry {
  uint32_t text_id = 0;      // a language text, or 0
  std::string_view literal;  // the text when text_id is 0
};

std::span<const ListEntry> ListEntries(SettingsList list);

// The cut-off list of a battery system.
SettingsList BatteryCutOffList(BatterySystem battery);

// The screen-off list of a model; the long list outside 0..5.
SettingsList LcdOffListOf(int model);

// The texts of a list's entries through a language look-up. An entry whose text cannot be had
// shows its index, so the list never shrinks.
std::vector<std::string> ListEntryTexts(
    SettingsList list, const std::function<std::optional<std::string>(uint32_t)>& lookup);

}  // namespace vantrel::device
