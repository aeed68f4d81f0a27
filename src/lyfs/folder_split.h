// The folder split handed to the format call: which directories the LyFS area holds and what
// share of it each one gets. 232 bytes, packed, little-endian:
//   0            entry count, 1 to 3
//   1 + 77 i     entry i: directory name, NUL-terminated, 64 bytes
//   65 + 77 i    share of the area in percent (32 bits)
//   69 + 77 i    0 (reserved)
//   73 + 77 i    file table capacity in files (32 bits)
//   77 + 77 i    cluster size exponent e: clusters of 2^(10 + e) bytes (8 bits)
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lyfs/lyfs.h"

namespace vantrel::lyfs {

constexpr size_t kMaxSplitEntries = 3;
constexpr uint8_t kMaxClusterExponent = 10;

struct FolderSplitEntry {
  std::string name;
  uint32_t share_percent = 0;
  uint32_t file_capacity = 10000;  // the recorder keeps up to 10000 recordings a directory
  uint8_t cluster_exponent = 5;    // 32 KiB clusters: recordings are tens of megabytes
};

using FolderSplitBlock = std::array<uint8_t, LYFS_FOLDER_SPLIT_SIZE>;

// Writes up to kMaxSplitEntries entries; names are cut to 63 bytes.
FolderSplitBlock EncodeFolderSplit(const std::vector<FolderSplitEntry>& entries);

// The entries of a split block; none unless the count is 1 to 3, every name is a valid, unique
// directory name, every share is 1 to 100 and together at most 100, the reserved fields are 0,
// capacities are 1 to 65536 and exponents at most kMaxClusterExponent.
std::optional<std::vector<FolderSplitEntry>> DecodeFolderSplit(const uint8_t* block);

}  // namespace vantrel::lyfs
