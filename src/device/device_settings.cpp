#include "device/device_settings.h"

#include "device/device_model.h"

namespace vantrel::device {

int LcdOffEntries(int model) {
  const DeviceModel* const row = FindDeviceModel(model);
  if (row == nullptr) return 0;
  return row->lcd_off_list == LcdOffList::kLong ? kLongLcdOffEntries : kShortLcdOffEntries;
}

bool ApplyModelDefaults(int model, DeviceSettings& settings) {
  const DeviceModel* const row = FindDeviceModel(model);
  if (row == nullptr) return false;
  settings.acc_trigger_level = 3;
  settings.video_quality = 2;
  settings.audio_enabled = true;
  settings.speaker_volume = 3;
  settings.video_channels = 1;
  settings.battery = BatterySystem::k12Volt;
  settings.battery_cutoff = 3;
  settings.power_off_timer = 1;
  // The "10 seconds" entry: second in the long list, first in the short one.
  settings.lcd_off_time = row->lcd_off_list == LcdOffList::kLong ? 1 : 0;
  switch (row->layout) {
    case SettingsLayout::kParking:
      settings.parking_mode = 0;
      break;
    case SettingsLayout::kExtended:
      settings.speaker_mute = false;
      if (settings.sd_allocation == kNoSelection) settings.sd_allocation = 0;
      break;
    case SettingsLayout::kBasic:
      break;
  }
  return true;
}

void ClearSettingsControls(DeviceSettings& settings) {
  DeviceSettings cleared;
  cleared.software_version = settings.software_version;
  cleared.sd_allocation_last_read = settings.sd_allocation_last_read;
  settings = cleared;
}

}  // namespace vantrel::device
