// The facts the rebuild takes from a recording's header part ("RIFF", size, "AVI " and the whole
// "hdrl" list), every offset checked against the header list before it is read.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "avi/byte_source.h"

namespace vantrel::tools {

// Offsets counted from the start of the file.
inline constexpr uint64_t kRiffSizeOffset = 4;
inline constexpr uint64_t kHeaderListSizeOffset = 16;
inline constexpr uint64_t kMainHeaderSizeOffset = 28;
inline constexpr uint64_t kTotalFramesOffset = 48;
inline constexpr uint64_t kStreamCountOffset = 56;

struct RepairHeader {
  std::vector<uint8_t> bytes;  // the first 20 + header-list size bytes
  uint32_t header_list_size = 0;
  uint64_t main_header_size = 0;  // S
  uint64_t first_list_end = 0;    // 32 + S + 8 + the first stream list's size
  uint32_t scale = 0;
  uint32_t rate = 0;
  uint32_t length = 0;  // the first stream's length in frames

  uint64_t ScaleOffset() const { return main_header_size + 72; }
  uint64_t RateOffset() const { return main_header_size + 76; }
  uint64_t LengthOffset() const { return main_header_size + 84; }
  void Store(uint64_t offset, uint32_t value);
};

// The recorder's header lists are a few kilobytes; a larger one is refused, not read.
inline constexpr uint32_t kMaxHeaderListSize = 1 << 20;

// None when the part is shorter than its header list says, the list is over kMaxHeaderListSize,
// or the main header, the first stream
// header or the first stream list would reach beyond the header list.
std::optional<RepairHeader> ReadRepairHeader(avi::ByteSource& header_part);

}  // namespace vantrel::tools
