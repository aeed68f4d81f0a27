// The recorder models the viewer knows, in the order their index is stored as MODEL. The model
// is chosen by the user, never taken from a card: it decides how "setup.cfg" is laid out and
// which settings the recorder has.
#pragma once

#include <string_view>

namespace vantrel::device {

// How the lines of "setup.cfg" are laid out (see settings_file.h).
enum class SettingsLayout {
  kExtended,  // 15 lines, with SD Allocation and Speaker Mute
  kParking,   // 13 lines, with an editable Parking Mode Select
  kBasic,     // 12 lines, no Parking Mode Select
};

// Which screen-off list the recorder offers.
enum class LcdOffList { kLong, kShort };

struct DeviceModel {
  std::string_view model_text;    // as listed and compared, exactly and case-sensitively
  std::string_view product_name;  // written to "setup.cfg"; also the volume label text
  SettingsLayout layout;
  LcdOffList lcd_off_list;
  bool parking_mode_editable;  // Parking Mode Select can be chosen
  bool sd_allocation_enabled;  // the SD Allocation group can be used
  bool merida_variant;         // a Merida-built recorder of another line (index 4, 5)
};

inline constexpr int kDeviceModelCount = 6;

// The model of an index; null outside 0..5 (no model selected: nothing is read or written).
const DeviceModel* FindDeviceModel(int index);

}  // namespace vantrel::device
