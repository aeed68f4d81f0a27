#include "tools/repair_header.h"

#include <new>

#include "avi/byte_order.h"

namespace vantrel::tools {

void RepairHeader::Store(uint64_t offset, uint32_t value) {
  avi::StoreLe32(bytes.data() + offset, value);
}

std::optional<RepairHeader> ReadRepairHeader(avi::ByteSource& header_part) {
  uint8_t start[kMainHeaderSizeOffset + 4];
  if (!header_part.ReadExact(0, start, sizeof start)) return std::nullopt;
  RepairHeader header;
  header.header_list_size = avi::ReadLe32(start + kHeaderListSizeOffset);
  const uint64_t end = 20 + static_cast<uint64_t>(header.header_list_size);
  if (header.header_list_size > kMaxHeaderListSize || end > header_part.Size()) {
    return std::nullopt;
  }
  header.main_header_size = avi::ReadLe32(start + kMainHeaderSizeOffset);
  const uint64_t first_list = 32 + header.main_header_size;
  // The stream count and the first stream's length are the furthest fields read; the first
  // stream list's size is read at its start.
  if (kStreamCountOffset + 4 > end || header.LengthOffset() + 4 > end || first_list + 8 > end) {
    return std::nullopt;
  }
  try {
    header.bytes.resize(end);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  if (!header_part.ReadExact(0, header.bytes.data(), header.bytes.size())) return std::nullopt;
  const uint8_t* bytes = header.bytes.data();
  header.first_list_end = first_list + 8 + avi::ReadLe32(bytes + first_list + 4);
  if (header.first_list_end > end) return std::nullopt;
  header.scale = avi::ReadLe32(bytes + header.ScaleOffset());
  header.rate = avi::ReadLe32(bytes + header.RateOffset());
  header.length = avi::ReadLe32(bytes + header.LengthOffset());
  return header;
}

}  // namespace vantrel::tools
