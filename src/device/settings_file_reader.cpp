#include <climits>
#include <string_view>

#include "device/settings_file.h"
#include "device/text_mode_lines.h"

namespace vantrel::device {

namespace {

// The value with backspaces, tabs and line ends taken off both ends; spaces stay.
std::string_view TrimmedValue(std::string_view line) {
  constexpr std::string_view kTrimmed = "\b\t\r\n";
  std::string_view value = line.substr(kSettingsLabelChars);
  const size_t first = value.find_first_not_of(kTrimmed);
  if (first == std::string_view::npos) return {};
  value.remove_prefix(first);
  return value.substr(0, value.find_last_not_of(kTrimmed) + 1);
}

// atoi's reading: leading white space, an optional sign, the leading digits, 0 without any.
// Too many digits saturate rather than wrap.
int LeadingInteger(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r'))) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  long long value = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    value = value * 10 + (text[at] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

// A list index read as is (0 <= v < entries) or stored as index + 1 (offset 1).
void AdoptIndex(int value, int offset, int entries, int& field) {
  const int index = value - offset;
  if (index >= 0 && index < entries) field = index;
}

class SettingsReader {
 public:
  SettingsReader(const DeviceModel& model, int model_index, DeviceSettings& settings)
      : model_(model), model_index_(model_index), settings_(settings) {}

  void Apply(SettingsField field, std::string_view text) {
    const int value = LeadingInteger(text);
    DeviceSettings& s = settings_;
    switch (field) {
      case SettingsField::kProductName:
        product_name_ = text;
        break;
      case SettingsField::kHardwareVersion:
        break;
      case SettingsField::kSoftwareVersion:
        // A version is only believed from a file that names exactly the chosen model.
        if (product_name_ == model_.model_text) s.software_version = text;
        break;
      case SettingsField::kAccTriggerLevel:
        AdoptIndex(value, 0, kAccTriggerLevelEntries, s.acc_trigger_level);
        break;
      case SettingsField::kVideoQuality:
        AdoptIndex(value, 1, kVideoQualityEntries, s.video_quality);
        break;
      case SettingsField::kAudioEnable:
        s.audio_enabled = value != 0;
        break;
      case SettingsField::kSpeakerVolume:
        AdoptIndex(value, 0, kSpeakerVolumeEntries, s.speaker_volume);
        break;
      case SettingsField::kVideoChannels:
        AdoptIndex(value, 1, kVideoChannelsEntries, s.video_channels);
        break;
      case SettingsField::kParkingMode:
        // The extended layout's recorders have one fixed parking mode.
        if (model_.layout == SettingsLayout::kParking) {
          AdoptIndex(value, 1, kParkingModeEntries, s.parking_mode);
        }
        break;
      case SettingsField::kBatteryVolt:
        // The cut-off list is rebuilt for the system; the next line selects in it.
        s.battery = value == 0 ? BatterySystem::k12Volt : BatterySystem::k24Volt;
        s.battery_cutoff = kNoSelection;
        break;
      case SettingsField::kBatteryCutOff:
        AdoptIndex(value, 0, kBatteryCutOffEntries, s.battery_cutoff);
        break;
      case SettingsField::kPowerOffTimer:
        AdoptIndex(value, 1, kPowerOffTimerEntries, s.power_off_timer);
        break;
      case SettingsField::kSdAllocation:
        // A value without an entry (the recorder knows a third, 2) leaves the list as it was.
        AdoptIndex(value, 0, kSdAllocationEntries, s.sd_allocation);
        if (model_.merida_variant) s.sd_allocation_last_read = value;
        break;
      case SettingsField::kSpeakerMute:
        s.speaker_mute = value != 0;
        break;
      case SettingsField::kLcdOffTime:
        AdoptIndex(value, 0, LcdOffEntries(model_index_), s.lcd_off_time);
        break;
    }
  }

 private:
  const DeviceModel& model_;
  int model_index_;
  DeviceSettings& settings_;
  std::string product_name_;
};

}  // namespace

bool ReadDeviceSettings(const std::string& path, int model, DeviceSettings& settings) {
  const DeviceModel* const row = FindDeviceModel(model);
  if (row == nullptr) return false;
  TextModeLines lines(path);
  if (!lines.is_open()) return false;
  const std::span<const SettingsField> fields = LayoutFields(row->layout);
  SettingsReader reader(*row, model, settings);
  std::string line;
  // A line of no more than a label (its line end counted) ends the reading; a label with its
  // line end alone is still an empty value.
  for (size_t number = 0; number < fields.size() && lines.Next(line); ++number) {
    if (line.size() <= kSettingsLabelChars) break;
    reader.Apply(fields[number], TrimmedValue(line));
  }
  return true;
}

}  // namespace vantrel::device
