#include "avi/riff_writer.h"

#include <limits>

#include "avi/byte_order.h"

namespace vantrel::avi {

namespace {

constexpr uint64_t kMaxRiffSize = std::numeric_limits<uint32_t>::max();

}  // namespace

bool RiffWriter::WriteBytes(const void* data, size_t size) {
  if (!ok_) return false;
  return sink_.Append(data, size) || Fail();
}

bool RiffWriter::Write32(uint32_t value) {
  uint8_t bytes[4];
  StoreLe32(bytes, value);
  return WriteBytes(bytes, sizeof bytes);
}

bool RiffWriter::WriteChunk(FourCcValue id, const void* data, size_t size) {
  if (size > kMaxRiffSize) return Fail();
  if (!Write32(id) || !Write32(static_cast<uint32_t>(size)) || !WriteBytes(data, size)) {
    return false;
  }
  const uint8_t pad = 0;
  return size % 2 == 0 || WriteBytes(&pad, 1);
}

bool RiffWriter::BeginList(FourCcValue kind, FourCcValue list_type) {
  if (!Write32(kind)) return false;
  const uint64_t size_offset = Offset();
  if (!Write32(0) || !Write32(list_type)) return false;
  open_lists_.push_back(size_offset);
  return true;
}

bool RiffWriter::EndList(uint64_t* size_offset) {
  if (!ok_ || open_lists_.empty()) return Fail();
  const uint64_t field = open_lists_.back();
  open_lists_.pop_back();
  const uint64_t size = Offset() - field - 4;
  if (size > kMaxRiffSize) return Fail();
  if (size_offset != nullptr) *size_offset = field;
  return Patch32(field, static_cast<uint32_t>(size));
}

bool RiffWriter::Patch32(uint64_t offset, uint32_t value) {
  if (!ok_) return false;
  uint8_t bytes[4];
  StoreLe32(bytes, value);
  return sink_.WriteAt(offset, bytes, sizeof bytes) || Fail();
}

}  // namespace vantrel::avi
