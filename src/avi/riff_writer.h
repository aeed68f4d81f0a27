// Writes RIFF structure into a ByteSink: chunks with their 8-byte header and pad byte, and
// lists (RIFF or LIST) whose size is patched in when the list is ended. The writer keeps no
// copy of what it wrote, so recordings of any length stream straight to the sink.
//
// Errors are sticky: after the first failed write every call returns false and ok() stays
// false, so a caller may write a whole file and check once at the end. Sizes are 32-bit in
// RIFF; anything that would not fit fails instead of wrapping.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "avi/byte_sink.h"
#include "avi/four_cc.h"

namespace vantrel::avi {

class RiffWriter {
 public:
  explicit RiffWriter(ByteSink& sink) : sink_(sink) {}

  // Where the next byte goes: the sink's current size.
  uint64_t Offset() const { return sink_.Size(); }
  bool ok() const { return ok_; }
  size_t open_lists() const { return open_lists_.size(); }

  // Raw bytes, for callers that lay out something the helpers below do not cover (a cut-short
  // chunk, a deliberately wrong header).
  bool WriteBytes(const void* data, size_t size);
  bool WriteBytes(std::string_view bytes) { return WriteBytes(bytes.data(), bytes.size()); }
  bool Write32(uint32_t value);

  // id, the 32-bit data size, the data, and one zero pad byte when the size is odd (the size
  // field holds the unpadded size).
  bool WriteChunk(FourCcValue id, const void* data, size_t size);
  bool WriteChunk(FourCcValue id, std::string_view data) {
    return WriteChunk(id, data.data(), data.size());
  }

  // Starts "RIFF"/"LIST" + size placeholder + list type. Lists nest.
  bool BeginList(FourCcValue kind, FourCcValue list_type);
  bool BeginRiff(FourCcValue form) { return BeginList(kRiff, form); }
  bool BeginList(FourCcValue list_type) { return BeginList(kList, list_type); }
  // Ends the innermost open list: its size becomes everything after its size field.
  // Returns the offset of that list's size field through size_offset when given.
  bool EndList(uint64_t* size_offset = nullptr);

  // Overwrites a 32-bit little-endian value at an offset already written.
  bool Patch32(uint64_t offset, uint32_t value);

 private:
  bool Fail() { return ok_ = false; }

  ByteSink& sink_;
  std::vector<uint64_t> open_lists_;  // offsets of the open lists' size fields
  bool ok_ = true;
};

}  // namespace vantrel::avi
