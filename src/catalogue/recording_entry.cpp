#include "catalogue/recording_entry.h"

#include "catalogue/recording_name.h"

namespace vantrel {

RecordingEntry MakeEntry(std::string_view name, int32_t group, int32_t lyfs_file_id,
                         std::string_view path, uint64_t size_bytes) {
  RecordingEntry entry;
  entry.group = group;
  entry.lyfs_file_id = lyfs_file_id;
  entry.name = name;
  entry.path = path;
  const NameTime time = ParseNameTime(name);
  entry.year = time.year;
  entry.month = time.month;
  entry.day = time.day;
  entry.hour = time.hour;
  entry.minute = time.minute;
  entry.second = time.second;
  entry.size_kib = size_bytes / 1024;
  return entry;
}

bool EntryComesBefore(const RecordingEntry& a, const RecordingEntry& b) {
  // Byte order of UTF-8 text is the order of its characters' code points.
  const int keys = NameSortKey(a.name).compare(NameSortKey(b.name));
  if (keys != 0) return keys < 0;
  return a.size_kib < b.size_kib;
}

}  // namespace vantrel
