// A slot of a directory's file table: 256 bytes holding a file (name, identifier, size and its
// first extents) or a continuation of a file's extent list.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::lyfs {

constexpr size_t kSlotSize = 256;
constexpr uint32_t kNoSlot = 0xFFFFFFFFu;
constexpr size_t kFileSlotExtents = 15;
constexpr size_t kContinuationSlotExtents = 29;
constexpr uint64_t kMaxFileSize = 0xFFFFFFFFu;  // sizes travel as 32 bits in the file list

enum class SlotKind : uint8_t { kFree = 0, kFile = 1, kContinuation = 2 };

// A run of clusters, counted from the area's first data cluster.
struct Extent {
  uint32_t start = 0;
  uint32_t count = 0;

  bool operator==(const Extent&) const = default;
};

struct SlotContent {
  SlotKind kind = SlotKind::kFree;
  int32_t file_id = 0;  // the file's, or for a continuation the owning file's
  uint32_t next_slot = kNoSlot;
  uint64_t size = 0;  // files only
  std::string name;   // files only
  std::vector<Extent> extents;
};

std::array<uint8_t, kSlotSize> EncodeSlot(const SlotContent& slot);

// A slot from its bytes; kind kFree for an unused slot, none for a damaged one (unknown kind,
// bad checksum, a name without NUL or not a valid name, an identifier below 1, a size beyond
// kMaxFileSize, more extents than the slot holds, an empty extent).
std::optional<SlotContent> DecodeSlot(const uint8_t* bytes);

}  // namespace vantrel::lyfs
