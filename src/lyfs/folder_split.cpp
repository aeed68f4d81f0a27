#include "lyfs/folder_split.h"

#include <algorithm>
#include <cstring>

#include "lyfs/byte_io.h"
#include "lyfs/names.h"
#include "lyfs/superblock.h"

namespace vantrel::lyfs {
namespace {

constexpr size_t kEntrySize = 77;
constexpr size_t kNameFieldSize = 64;

uint8_t* EntryField(uint8_t* block, size_t i) { return block + 1 + i * kEntrySize; }
const uint8_t* EntryField(const uint8_t* block, size_t i) { return block + 1 + i * kEntrySize; }

}  // namespace

FolderSplitBlock EncodeFolderSplit(const std::vector<FolderSplitEntry>& entries) {
  FolderSplitBlock block{};
  const size_t count = std::min(entries.size(), kMaxSplitEntries);
  block[0] = static_cast<uint8_t>(count);
  for (size_t i = 0; i < count; ++i) {
    uint8_t* field = EntryField(block.data(), i);
    const FolderSplitEntry& entry = entries[i];
    std::memcpy(field, entry.name.data(), std::min(entry.name.size(), kNameFieldSize - 1));
    Store32(field + 64, entry.share_percent);
    Store32(field + 72, entry.file_capacity);
    field[76] = entry.cluster_exponent;
  }
  return block;
}

std::optional<std::vector<FolderSplitEntry>> DecodeFolderSplit(const uint8_t* block) {
  const size_t count = block[0];
  if (count == 0 || count > kMaxSplitEntries) return std::nullopt;
  std::vector<FolderSplitEntry> entries;
  uint32_t total_share = 0;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* field = EntryField(block, i);
    std::string_view name;
    if (!ReadNameField(field, kNameFieldSize, &name) ||
        !IsValidName(name, kMaxDirectoryNameLength)) {
      return std::nullopt;
    }
    FolderSplitEntry entry{std::string(name), Load32(field + 64), Load32(field + 72), field[76]};
    if (entry.share_percent == 0 || entry.share_percent > 100 || Load32(field + 68) != 0 ||
        entry.file_capacity == 0 || entry.file_capacity > kMaxTableCapacity ||
        entry.cluster_exponent > kMaxClusterExponent) {
      return std::nullopt;
    }
    for (const FolderSplitEntry& earlier : entries) {
      if (earlier.name == entry.name) return std::nullopt;
    }
    total_share += entry.share_percent;
    entries.push_back(std::move(entry));
  }
  if (total_share > 100) return std::nullopt;
  return entries;
}

}  // namespace vantrel::lyfs
