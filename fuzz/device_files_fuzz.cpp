// A card's "setup.cfg" and "time.cfg" hold any bytes: each input is read as both, for every
// model, and the settings read are written out again.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "device/clock_file.h"
#include "device/device_model.h"
#include "device/settings_file.h"

namespace {

// One file per fuzzing process, rewritten for every input.
const std::string& InputPath() {
  static const std::string path = "/tmp/vantrel-device-fuzz-" + std::to_string(::getpid());
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::FILE* file = std::fopen(InputPath().c_str(), "wb");
  if (file == nullptr) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);
  for (int model = 0; model < vantrel::device::kDeviceModelCount; ++model) {
    vantrel::device::DeviceSettings settings;
    vantrel::device::ApplyModelDefaults(model, settings);
    vantrel::device::ReadDeviceSettings(InputPath(), model, settings);
    vantrel::device::FormatDeviceSettings(model, settings);
  }
  vantrel::device::ClockSelection clock;
  vantrel::device::ReadClockFile(InputPath(), clock);
  vantrel::device::FormatClockFile(clock);
  return 0;
}
