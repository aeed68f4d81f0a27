// Collects the entries of an "idx1" index while chunks are written, and writes the index chunk
// at the end. Each entry is 16 bytes: chunk identifier, flags, the offset of the chunk's header
// counted from the "movi" list type (so the first chunk in the list is at 4), and the chunk's
// data size without its 8-byte header.
#pragma once

#include <cstdint>
#include <string>

#include "avi/four_cc.h"
#include "avi/riff_writer.h"

namespace vantrel::avi {

inline constexpr uint32_t kIndexKeyFrame = 0x10;
inline constexpr uint32_t kIndexEntrySize = 16;

class IndexBuilder {
 public:
  // movi_type_offset: the file offset of the "movi" list type, from which entries count.
  explicit IndexBuilder(uint64_t movi_type_offset = 0) : base_(movi_type_offset) {}

  void set_base(uint64_t movi_type_offset) { base_ = movi_type_offset; }

  // chunk_offset: the file offset of the chunk's header. False (nothing added) when the chunk
  // lies before the base or more than 4 GiB after it.
  bool Add(FourCcValue id, uint32_t flags, uint64_t chunk_offset, uint32_t size);
  // An entry whose offset is already relative to the "movi" list type.
  void AddRelative(FourCcValue id, uint32_t flags, uint32_t relative_offset, uint32_t size);

  size_t count() const { return entries_.size() / kIndexEntrySize; }
  // The entries as they go into the file, without the chunk header.
  const std::string& entries() const { return entries_; }

  // The "idx1" chunk with every entry added so far.
  bool WriteTo(RiffWriter& writer) const { return writer.WriteChunk(kIndex, entries_); }

 private:
  uint64_t base_;
  std::string entries_;
};

}  // namespace vantrel::avi
