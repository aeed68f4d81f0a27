// One recording the catalogue knows: where it came from, its name and place, its recording time
// (read from the name) and its size.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/narrow_name.h"
#include "catalogue/recording_kind.h"

namespace vantrel {

struct RecordingEntry {
  // LyFS card: the directory's index in the DirectoryNameList; FAT card 0; computer folder 1.
  int32_t group = 0;
  // LyFS card: the file id of the card's file list (1 or more); below 1 for a file-system entry.
  int32_t lyfs_file_id = -1;
  // LyFS card only: the name exactly as the card's file list gave it (opens the file for a copy).
  NarrowName narrow_name{};
  std::string name;  // without folder
  std::string path;  // file system: full path; LyFS card: the name again
  uint16_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  uint64_t size_kib = 0;

  RecordingKind kind() const { return KindOfName(name); }
};

// An entry with the date and time of its name and size_bytes / 1024 as its size.
RecordingEntry MakeEntry(std::string_view name, int32_t group, int32_t lyfs_file_id,
                         std::string_view path, uint64_t size_bytes);

// The list order: by the name's sort key (ordinal), then the smaller recording first.
bool EntryComesBefore(const RecordingEntry& a, const RecordingEntry& b);

}  // namespace vantrel
