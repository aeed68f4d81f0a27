// Counts and sizes of the recordings of the open card, by kind, and the per-file size texts the
// card information view lists.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/recording_entry.h"

namespace vantrel::device {

struct CardFileSummary {
  int count = 0;
  std::vector<std::string> names;  // in catalogue order
  std::vector<std::string> sizes;  // "%3dMB" of each entry
  uint64_t total_kib = 0;
  int continuous_count = 0;  // paths starting "REC"
  uint64_t continuous_kib = 0;
  int event_count = 0;  // "EVT"
  uint64_t event_kib = 0;
  int parking_count = 0;  // "PAR", "MDI" or "MOT"; "PRK" counts only in the total
  uint64_t parking_kib = 0;
};

// Whether the program folder holds a file named exactly "User.bin", which asks the card
// information view for its wide layout with the list of every file.
bool HasDetailListMarker(const std::string& program_folder);

CardFileSummary BuildCardFileSummary(const std::vector<RecordingEntry>& entries);

// "%3dMB" of size_kib / 1024 (whole MiB): "  0MB" below 1 MiB.
std::string FileSizeText(uint64_t size_kib);
// "%.1fGB" of the whole MiB in size_kib, in GiB: 1536 MiB is "1.5GB".
std::string SummarySizeText(uint64_t size_kib);
// "%4d".
std::string SummaryCountText(int count);

}  // namespace vantrel::device
