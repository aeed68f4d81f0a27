#include "lyfs/file_slot.h"

#include <algorithm>
#include <cstring>

#include "lyfs/byte_io.h"
#include "lyfs/crc32.h"
#include "lyfs/names.h"

namespace vantrel::lyfs {
namespace {

constexpr size_t kNameOffset = 24;
constexpr size_t kNameFieldSize = kMaxFileNameLength + 1;
constexpr size_t kFileExtentsOffset = 128;
constexpr size_t kContinuationExtentsOffset = 16;
constexpr size_t kCrcOffset = 252;

size_t ExtentsOffset(SlotKind kind) {
  return kind == SlotKind::kFile ? kFileExtentsOffset : kContinuationExtentsOffset;
}

size_t ExtentCapacity(SlotKind kind) {
  return kind == SlotKind::kFile ? kFileSlotExtents : kContinuationSlotExtents;
}

}  // namespace

std::array<uint8_t, kSlotSize> EncodeSlot(const SlotContent& slot) {
  std::array<uint8_t, kSlotSize> bytes{};
  if (slot.kind == SlotKind::kFree) return bytes;
  uint8_t* out = bytes.data();
  const size_t extents = std::min(slot.extents.size(), ExtentCapacity(slot.kind));
  out[0] = static_cast<uint8_t>(slot.kind);
  Store16(out + 2, static_cast<uint16_t>(extents));
  Store32(out + 4, static_cast<uint32_t>(slot.file_id));
  Store32(out + 8, slot.next_slot);
  if (slot.kind == SlotKind::kFile) {
    Store64(out + 16, slot.size);
    std::memcpy(out + kNameOffset, slot.name.data(),
                std::min(slot.name.size(), kMaxFileNameLength));
  }
  uint8_t* field = out + ExtentsOffset(slot.kind);
  for (size_t i = 0; i < extents; ++i, field += 8) {
    Store32(field, slot.extents[i].start);
    Store32(field + 4, slot.extents[i].count);
  }
  Store32(out + kCrcOffset, Crc32(out, kCrcOffset));
  return bytes;
}

std::optional<SlotContent> DecodeSlot(const uint8_t* bytes) {
  SlotContent slot;
  if (bytes[0] == static_cast<uint8_t>(SlotKind::kFree)) return slot;
  if (bytes[0] != static_cast<uint8_t>(SlotKind::kFile) &&
      bytes[0] != static_cast<uint8_t>(SlotKind::kContinuation)) {
    return std::nullopt;
  }
  if (Load32(bytes + kCrcOffset) != Crc32(bytes, kCrcOffset)) return std::nullopt;
  slot.kind = static_cast<SlotKind>(bytes[0]);
  const uint32_t id = Load32(bytes + 4);
  if (id == 0 || id > INT32_MAX) return std::nullopt;
  slot.file_id = static_cast<int32_t>(id);
  slot.next_slot = Load32(bytes + 8);
  if (slot.kind == SlotKind::kFile) {
    slot.size = Load64(bytes + 16);
    std::string_view name;
    if (slot.size > kMaxFileSize || !ReadNameField(bytes + kNameOffset, kNameFieldSize, &name) ||
        !IsValidName(name, kMaxFileNameLength)) {
      return std::nullopt;
    }
    slot.name = std::string(name);
  }
  const size_t count = Load16(bytes + 2);
  if (count > ExtentCapacity(slot.kind)) return std::nullopt;
  const uint8_t* field = bytes + ExtentsOffset(slot.kind);
  for (size_t i = 0; i < count; ++i, field += 8) {
    const Extent extent{Load32(field), Load32(field + 4)};
    if (extent.count == 0) return std::nullopt;
    slot.extents.push_back(extent);
  }
  return slot;
}

}  // namespace vantrel::lyfs
