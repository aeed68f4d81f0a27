// Where recordings can be opened from: a recorder card (FAT or LyFS) or the computer's own
// folders and files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantrel {

enum class SourceKind : int32_t {
  kFatCard = 0,
  kLyfsCard = 1,
  kComputerFolder = 2,
  kNone = 3,  // nothing opened yet
};

// Root text of the computer-folder source, which always ends the source list.
inline constexpr std::string_view kComputerSourceName = "내 컴퓨터에서 찾기";

struct SourceRecord {
  int32_t drive_index = 0;  // position of the card's volume among the volumes (cards only)
  std::string root;         // card: its mount point with a trailing "/"; else kComputerSourceName
  // Card: the whole-disk device node (or the image file of a simulated card). Kept whole: a
  // path cut to a fixed buffer would name another file.
  std::string device_path;
  SourceKind kind = SourceKind::kComputerFolder;
};

}  // namespace vantrel
