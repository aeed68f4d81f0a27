// settings rewrite IN OUT --model N | settings show FILE --model N: the settings dialog's path
// for one card. A fresh record gets the model's defaults and then whatever IN holds (a missing
// IN reads nothing); rewrite writes it to OUT in the model's layout, show prints it.
#include <cstdio>
#include <optional>
#include <string>

#include "arguments.h"
#include "commands.h"
#include "device/device_model.h"
#include "device/device_settings.h"
#include "device/settings_file.h"

namespace vantrel::cli {

namespace {

int SettingsUsage(const std::string& why) {
  std::fprintf(stderr,
               "vantrel-cli settings: %s\nusage: vantrel-cli settings rewrite IN OUT --model N | "
               "settings show FILE --model N\n",
               why.c_str());
  return 2;
}

void PrintField(const char* name, const std::string& value) {
  std::printf("%s\t%s\n", name, value.c_str());
}

void PrintSettings(int model, const device::DeviceSettings& s) {
  const device::DeviceModel* const row = device::FindDeviceModel(model);
  PrintField("product_name", row != nullptr ? std::string(row->product_name) : std::string());
  PrintField("software_version", s.software_version);
  PrintField("acc_trigger_level", std::to_string(s.acc_trigger_level));
  PrintField("video_quality", std::to_string(s.video_quality));
  PrintField("audio_enabled", s.audio_enabled ? "1" : "0");
  PrintField("speaker_volume", std::to_string(s.speaker_volume));
  PrintField("video_channels", std::to_string(s.video_channels));
  PrintField("parking_mode", std::to_string(s.parking_mode));
  PrintField("battery", s.battery == device::BatterySystem::k24Volt ? "24V" : "12V");
  PrintField("battery_cutoff", std::to_string(s.battery_cutoff));
  PrintField("power_off_timer", std::to_string(s.power_off_timer));
  PrintField("sd_allocation", std::to_string(s.sd_allocation));
  PrintField("speaker_mute", s.speaker_mute ? "1" : "0");
  PrintField("lcd_off_time", std::to_string(s.lcd_off_time));
  PrintField("sd_allocation_last_read", std::to_string(s.sd_allocation_last_read));
}

}  // namespace

int SettingsCommand(const Words& words) {
  const Arguments arguments(words, {"model"});
  if (!arguments.error().empty()) return SettingsUsage(arguments.error());
  const std::vector<std::string>& positional = arguments.positional();
  const bool rewrite = positional.size() == 3 && positional[0] == "rewrite";
  const bool show = positional.size() == 2 && positional[0] == "show";
  if (!rewrite && !show) return SettingsUsage("expected rewrite IN OUT or show FILE");
  const std::optional<std::string> model_word = arguments.Value("model");
  if (!model_word) return SettingsUsage("--model N is required");
  const std::optional<long long> model_number = WholeNumber(*model_word);
  if (!model_number) return SettingsUsage("the model must be a whole number");
  // Any other number is a model index too: it selects no model, so nothing is read or written.
  const int model = *model_number >= 0 && *model_number < device::kDeviceModelCount
                        ? static_cast<int>(*model_number)
                        : -1;

  device::DeviceSettings settings;
  device::ApplyModelDefaults(model, settings);
  const bool read = device::ReadDeviceSettings(positional[1], model, settings);
  if (show) {
    PrintSettings(model, settings);
    return read ? 0 : 1;
  }
  std::printf("read\t%d\n", read ? 1 : 0);
  std::fflush(stdout);
  if (model < 0) {
    std::fprintf(stderr, "vantrel-cli settings: no recorder model %s\n", model_word->c_str());
    return 1;
  }
  if (!device::WriteDeviceSettings(positional[2], model, settings)) {
    std::fprintf(stderr, "vantrel-cli settings: cannot write %s\n", positional[2].c_str());
    return 1;
  }
  return 0;
}

}  // namespace vantrel::cli
