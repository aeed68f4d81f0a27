// The dialog's value lists keep their entry counts whatever the language library gives, so an
// index read from "setup.cfg" always names the same entry.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "device/settings_lists.h"

namespace vantrel::device {
namespace {

TEST(SettingsListsTest, ListsKeepTheirCountsWithoutALanguageLibrary) {
  const auto missing = [](uint32_t) { return std::optional<std::string>(); };
  const auto counted = [&missing](SettingsList list) {
    return ListEntryTexts(list, missing).size();
  };
  EXPECT_EQ(counted(SettingsList::kAccTriggerLevel), 7u);
  EXPECT_EQ(counted(SettingsList::kSpeakerVolume), 6u);
  EXPECT_EQ(counted(SettingsList::kBatteryCutOff12Volt), 7u);
  EXPECT_EQ(counted(SettingsList::kLongLcdOff), 5u);
  EXPECT_EQ(counted(SettingsList::kShortLcdOff), 3u);
  EXPECT_EQ(ListEntryTexts(SettingsList::kBatteryCutOff24Volt, missing),
            (std::vector<std::string>{"0", "23.0V", "23.4V", "23.8V", "24.2V", "24.3V", "24.4V"}));
}

TEST(SettingsListsTest, EntriesTakeTheirLanguageTexts) {
  const auto numbered = [](uint32_t id) { return std::optional<std::string>(std::to_string(id)); };
  EXPECT_EQ(ListEntryTexts(SettingsList::kAccTriggerLevel, numbered),
            (std::vector<std::string>{"155", "161", "160", "159", "158", "157", "156"}));
  EXPECT_EQ(ListEntryTexts(SettingsList::kSpeakerVolume, numbered)[0], "236");
  EXPECT_EQ(ListEntryTexts(SettingsList::kShortLcdOff, numbered),
            (std::vector<std::string>{"215", "216", "220"}));
  EXPECT_EQ(LcdOffListOf(2), SettingsList::kShortLcdOff);
  EXPECT_EQ(LcdOffListOf(4), SettingsList::kLongLcdOff);
  EXPECT_EQ(BatteryCutOffList(BatterySystem::k24Volt), SettingsList::kBatteryCutOff24Volt);
}

}  // namespace
}  // namespace vantrel::device
