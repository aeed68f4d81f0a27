// Control ids of the settings dialog (template 135); each control's object name is its id.
#pragma once

namespace vantrel::ui::setting_id {

inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kDefault = 1027;
inline constexpr int kCardList = 1028;
inline constexpr int kFormat = 1029;
inline constexpr int kParkingMode = 1030;
inline constexpr int kAccTriggerLevel = 1031;
inline constexpr int kVideoQuality = 1032;
inline constexpr int kVideoChannels = 1033;
inline constexpr int kAudioEnable = 1035;
inline constexpr int kSpeakerVolume = 1036;
inline constexpr int kBattery12Volt = 1037;
inline constexpr int kPowerOffTimer = 1038;
inline constexpr int kBatteryCutOff = 1039;
inline constexpr int kSaveFolder = 1040;
inline constexpr int kBattery24Volt = 1041;
inline constexpr int kLcdOffTime = 1042;
inline constexpr int kRearMirror = 1044;
inline constexpr int kYear = 1045;
inline constexpr int kSetClock = 1046;
inline constexpr int kMonth = 1047;
inline constexpr int kDay = 1048;
inline constexpr int kHour = 1049;
inline constexpr int kMinute = 1050;
inline constexpr int kSecond = 1051;
inline constexpr int kBrowse = 1052;
inline constexpr int kSkipStep = 1053;
inline constexpr int kSkipStepValue = 1054;
inline constexpr int kViewerFrame = 1071;
inline constexpr int kSdAllocation = 1123;
inline constexpr int kModelList = 1129;
// The viewer's language, which the recorder's template did not have.
inline constexpr int kLanguageGroup = 1134;
inline constexpr int kLanguage = 1135;

// The clock lists in the clock file's order (year, month, day, hour, minute, second).
inline constexpr int kClockLists[] = {kYear, kMonth, kDay, kHour, kMinute, kSecond};
// The SD Allocation group and the parking group, enabled by model.
inline constexpr int kSdAllocationGroup[] = {1124, 1125, 1133, 1126, kSdAllocation};
inline constexpr int kParkingGroup[] = {1063, 1076, kParkingMode};

}  // namespace vantrel::ui::setting_id
