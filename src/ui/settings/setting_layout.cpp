#include "ui/settings/setting_layout.h"

#include <array>
#include <utility>

#include "app/language.h"
#include "ui/settings/setting_ids.h"

namespace vantrel::ui {

namespace {

using enum SettingControlKind;
namespace id = setting_id;

constexpr const char kLcdOff[] = "LCD OFF";

// Group boxes come first in each block so that they lie beneath their contents.
const std::array kControls = std::to_array<SettingControl>({
    {1061, kGroup, 148, nullptr, {5, 5, 589, 575}},
    // Model.
    {1130, kGroup, 246, nullptr, {10, 25, 288, 90}},
    {1131, kLabel, 247, nullptr, {20, 50, 258, 23}},
    {1132, kLabel, 248, nullptr, {20, 78, 129, 23}},
    {id::kModelList, kList, 0, nullptr, {154, 78, 129, 23}},
    // Impact sensitivity.
    {1064, kGroup, 153, nullptr, {10, 120, 288, 90}},
    {1077, kLabel, 154, nullptr, {20, 145, 258, 23}},
    {1100, kLabel, 241, nullptr, {20, 173, 129, 23}},
    {id::kAccTriggerLevel, kList, 0, nullptr, {154, 173, 129, 23}},
    // Power off.
    {1066, kGroup, 177, nullptr, {10, 215, 288, 90}},
    {1080, kLabel, 178, nullptr, {20, 240, 258, 23}},
    {1081, kLabel, 234, nullptr, {20, 268, 129, 23}},
    {id::kPowerOffTimer, kList, 0, nullptr, {154, 268, 129, 23}},
    // Screen off: the recorder's own words in every language.
    {1068, kGroup, 0, kLcdOff, {10, 310, 288, 90}},
    {1084, kLabel, 176, nullptr, {20, 335, 258, 23}},
    {1101, kLabel, 0, kLcdOff, {20, 363, 129, 23}},
    {id::kLcdOffTime, kList, 0, nullptr, {154, 363, 129, 23}},
    // SD allocation.
    {1124, kGroup, 242, nullptr, {10, 405, 288, 90}},
    {1125, kLabel, 254, nullptr, {20, 420, 258, 23}},
    {1133, kLabel, 256, nullptr, {20, 440, 258, 23}},
    {1126, kLabel, 255, nullptr, {20, 463, 129, 23}},
    {id::kSdAllocation, kList, 0, nullptr, {154, 463, 129, 23}},
    // Clock.
    {1070, kGroup, 187, nullptr, {10, 500, 581, 75}},
    {id::kSetClock, kCheck, 188, nullptr, {20, 515, 258, 23}},
    {1086, kLabel, 136, nullptr, {20, 543, 60, 23}},
    {id::kYear, kList, 0, nullptr, {85, 543, 60, 23}},
    {id::kMonth, kList, 0, nullptr, {150, 543, 60, 23}},
    {id::kDay, kList, 0, nullptr, {215, 543, 60, 23}},
    {1087, kLabel, 137, nullptr, {318, 543, 60, 23}},
    {id::kHour, kList, 0, nullptr, {383, 543, 60, 23}},
    {id::kMinute, kList, 0, nullptr, {448, 543, 60, 23}},
    {id::kSecond, kList, 0, nullptr, {513, 543, 60, 23}},
    // Card.
    {1062, kGroup, 149, nullptr, {303, 25, 288, 90}},
    {1074, kLabel, 150, nullptr, {313, 50, 258, 23}},
    {1075, kLabel, 151, nullptr, {313, 78, 64, 23}},
    {id::kCardList, kList, 0, nullptr, {382, 78, 128, 23}},
    {id::kFormat, kButton, 152, nullptr, {515, 78, 64, 23}},
    // Video.
    {1065, kGroup, 168, nullptr, {303, 120, 288, 90}},
    {1078, kLabel, 169, nullptr, {313, 145, 129, 23}},
    {id::kVideoQuality, kList, 0, nullptr, {447, 145, 129, 23}},
    {1079, kLabel, 173, nullptr, {313, 173, 129, 23}},
    {id::kVideoChannels, kList, 0, nullptr, {447, 173, 129, 23}},
    // Sound.
    {1067, kGroup, 179, nullptr, {303, 215, 288, 90}},
    {1082, kLabel, 180, nullptr, {313, 240, 129, 23}},
    {id::kAudioEnable, kCheck, 181, nullptr, {447, 240, 129, 23}},
    {1083, kLabel, 182, nullptr, {313, 268, 129, 23}},
    {id::kSpeakerVolume, kList, 0, nullptr, {447, 268, 129, 23}},
    // Battery.
    {1069, kGroup, 183, nullptr, {303, 310, 288, 90}},
    {id::kBattery12Volt, kRadio, 184, nullptr, {313, 335, 129, 23}},
    {1085, kLabel, 186, nullptr, {447, 335, 129, 23}},
    {id::kBattery24Volt, kRadio, 185, nullptr, {313, 363, 129, 23}},
    {id::kBatteryCutOff, kList, 0, nullptr, {447, 363, 129, 23}},
    // Parking.
    {1063, kGroup, 163, nullptr, {303, 405, 288, 60}},
    {1076, kLabel, 164, nullptr, {313, 430, 129, 23}},
    {id::kParkingMode, kList, 0, nullptr, {447, 430, 129, 23}},
    // The viewer's own options; the frame reaches down over the language group.
    {id::kViewerFrame, kGroup, 189, nullptr, {606, 5, 283, 400}},
    {1072, kGroup, 190, nullptr, {611, 25, 273, 90}},
    {1088, kLabel, 191, nullptr, {621, 50, 253, 23}},
    {1089, kLabel, 192, nullptr, {621, 83, 50, 23}},
    {id::kSaveFolder, kEdit, 0, nullptr, {676, 78, 150, 23}},
    {id::kBrowse, kButton, 193, nullptr, {831, 78, 50, 23}},
    {1073, kGroup, 194, nullptr, {611, 120, 273, 90}},
    {1090, kLabel, 195, nullptr, {621, 145, 253, 28}},
    {id::kSkipStepValue, kLabel, 0, nullptr, {621, 178, 50, 23}},
    {id::kSkipStep, kSlider, 0, nullptr, {676, 178, 200, 23}},
    {1059, kGroup, 211, nullptr, {611, 215, 273, 90}},
    {id::kRearMirror, kCheck, 212, nullptr, {621, 250, 253, 23}},
    {id::kLanguageGroup, kGroup, 5021, nullptr, {611, 310, 273, 90}},
    {id::kLanguage, kList, 0, nullptr, {621, 345, 253, 23}},
    // Buttons.
    {id::kDefault, kButton, 196, nullptr, {621, 525, 84, 30}},
    {id::kOk, kButton, 257, nullptr, {710, 525, 84, 30}},
    {id::kCancel, kButton, 143, nullptr, {799, 525, 84, 30}},
});

// Two-line explanations, and the rows under them moved down; a narrower card row.
const std::array kGermanPlaces = std::to_array<std::pair<int, QRect>>({
    {1131, {20, 40, 258, 35}},
    {1132, {20, 80, 129, 23}},
    {id::kModelList, {154, 80, 129, 23}},
    {1077, {20, 135, 258, 35}},
    {1100, {20, 175, 129, 23}},
    {id::kAccTriggerLevel, {154, 175, 129, 23}},
    {1074, {313, 40, 258, 35}},
    {1075, {313, 80, 51, 23}},
    {id::kCardList, {369, 80, 102, 23}},
    {id::kFormat, {476, 80, 102, 23}},
    {1089, {621, 73, 100, 28}},
    {id::kSaveFolder, {721, 78, 100, 23}},
    {id::kBrowse, {826, 78, 50, 23}},
});

}  // namespace

std::span<const SettingControl> SettingControls() { return kControls; }

QRect SettingControlPlace(const SettingControl& control, int language) {
  if (language == kGerman) {
    for (const auto& [control_id, place] : kGermanPlaces) {
      if (control_id == control.id) return place;
    }
  }
  return control.place;
}

}  // namespace vantrel::ui
