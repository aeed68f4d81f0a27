#include "device/card_file_summary.h"

#include <cstdio>
#include <string_view>

#include "device/card_files.h"

namespace vantrel::device {
namespace {

std::string Printed(const char* format, auto value) {
  char buffer[64];
  const int length = std::snprintf(buffer, sizeof buffer, format, value);
  return length < 0 ? std::string() : std::string(buffer);
}

}  // namespace

std::string FileSizeText(uint64_t size_kib) {
  return Printed("%3d", static_cast<int>(size_kib / 1024)) + "MB";
}

std::string SummarySizeText(uint64_t size_kib) {
  return Printed("%.1fGB", static_cast<double>(size_kib / 1024) * 0.0009765625);
}

std::string SummaryCountText(int count) { return Printed("%4d", count); }

bool HasDetailListMarker(const std::string& program_folder) {
  return CardFileExists(program_folder, "User.bin");
}

CardFileSummary BuildCardFileSummary(const std::vector<RecordingEntry>& entries) {
  CardFileSummary summary;
  for (const RecordingEntry& entry : entries) {
    ++summary.count;
    summary.names.push_back(entry.name);
    summary.sizes.push_back(FileSizeText(entry.size_kib));
    summary.total_kib += entry.size_kib;
    const std::string_view prefix = std::string_view(entry.path).substr(0, 3);
    if (prefix == "REC") {
      ++summary.continuous_count;
      summary.continuous_kib += entry.size_kib;
    } else if (prefix == "EVT") {
      ++summary.event_count;
      summary.event_kib += entry.size_kib;
    } else if (prefix == "PAR" || prefix == "MDI" || prefix == "MOT") {
      ++summary.parking_count;
      summary.parking_kib += entry.size_kib;
    }
  }
  return summary;
}

}  // namespace vantrel::device
