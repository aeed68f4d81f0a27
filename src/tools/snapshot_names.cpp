#include "tools/snapshot_names.h"

#include <cstdio>

namespace vantrel::tools {

std::string WithoutExtension(std::string_view name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return std::string(name);
  return std::string(name.substr(0, dot));
}

std::string SnapshotPath(const std::string& folder, std::string_view recording_name,
                         const LocalTime& time, int channel) {
  std::string stem = WithoutExtension(recording_name);
  for (char& c : stem) {
    if (c == '/' || c == '\0') c = '_';
  }
  char moment[64];
  std::snprintf(moment, sizeof moment, "%04d-%02d-%02d-%02dh%02dm%02ds%03d", time.year, time.month,
                time.day, time.hour, time.minute, time.second, time.millisecond);
  return folder + "/" + stem + "-" + moment + (channel == 0 ? "(Track1)" : "(Track2)") + ".jpg";
}

}  // namespace vantrel::tools
