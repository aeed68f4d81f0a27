// One record of the LyFS library's file list: the file's name at offset 0 (NUL-terminated, or
// filling all 98 bytes before the identifier), its identifier at 98 and its size in bytes at 102,
// 32-bit little-endian each. The record comes from the card, so nothing in it is trusted.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "lyfs/lyfs.h"

namespace vantrel {

struct LyfsListedFile {
  std::string name;
  int32_t id = 0;
  uint32_t size = 0;
};

// The file a LYFS_LIST_RECORD_SIZE-byte record lists; none when it cannot stand for a card file:
// an identifier below 1 (which the catalogue reads as a file on the computer), or a name that is
// empty, ".", "..", or holds a control character, "/" or "\" (no card file is named so, and such
// a name could leave the folder a copy of the recording is written to).
std::optional<LyfsListedFile> ReadLyfsListRecord(const uint8_t* record);

}  // namespace vantrel
