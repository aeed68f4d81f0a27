// The recorder's settings as the settings dialog edits them: one record per dialog, list fields
// as indices into the dialog's value lists. The lists always keep their entry counts, whatever
// texts a language gives them, so an index keeps its meaning in the file.
#pragma once

#include <string>

#include "device/lyfs_folder_split.h"

namespace vantrel::device {

// A list without a selected entry.
inline constexpr int kNoSelection = -1;

inline constexpr char kInitialSoftwareVersion[] = "V1.0.0";

// Entry counts of the value lists.
inline constexpr int kAccTriggerLevelEntries = 7;  // Off, then levels 1..6
inline constexpr int kVideoQualityEntries = 3;     // stored as index + 1
inline constexpr int kSpeakerVolumeEntries = 6;    // Mute, then "Level 1".."Level 5"
inline constexpr int kVideoChannelsEntries = 2;    // stored as index + 1
inline constexpr int kParkingModeEntries = 2;      // stored as index + 1
inline constexpr int kBatteryCutOffEntries = 7;    // Off, then six voltages of the system
inline constexpr int kPowerOffTimerEntries = 4;    // "6H".."48H", stored as index + 1
inline constexpr int kSdAllocationEntries = 2;
inline constexpr int kLongLcdOffEntries = 5;
inline constexpr int kShortLcdOffEntries = 3;

enum class BatterySystem { k12Volt, k24Volt };

struct DeviceSettings {
  // Changed only by reading a file of the selected model, so a version read from one card is
  // written to another whose file does not supply one.
  std::string software_version = kInitialSoftwareVersion;
  int acc_trigger_level = kNoSelection;
  int video_quality = kNoSelection;
  bool audio_enabled = false;
  int speaker_volume = kNoSelection;
  int video_channels = kNoSelection;
  int parking_mode = kNoSelection;
  BatterySystem battery = BatterySystem::k12Volt;
  int battery_cutoff = kNoSelection;
  int power_off_timer = kNoSelection;
  int sd_allocation = kNoSelection;
  bool speaker_mute = false;  // never shown; carried from file to file
  int lcd_off_time = kNoSelection;
  // The SD Allocation value last read from a Merida variant's card, whatever it was; decides the
  // folder split of a LyFS format. kSdAllocationNotRead until then.
  int sd_allocation_last_read = kSdAllocationNotRead;

  bool operator==(const DeviceSettings&) const = default;
};

// Entries of the model's screen-off list; 0 outside 0..5.
int LcdOffEntries(int model);

// Sets every field to the model's defaults. Returns false, changing nothing, outside 0..5.
bool ApplyModelDefaults(int model, DeviceSettings& settings);

// What the dialog's controls hold after they are emptied: no list selected, flags cleared, 12 V.
// The software version and the SD allocation last read are the dialog's own and stay.
void ClearSettingsControls(DeviceSettings& settings);

}  // namespace vantrel::device
