// One data chunk of the movie list as the reader found it, and reading its data back.
#pragma once

#include <cstdint>
#include <vector>

#include "avi/byte_source.h"
#include "avi/four_cc.h"

namespace vantrel::avi {

// A single chunk's data larger than this is refused: no recorder frame comes near it, and it
// bounds what one read may allocate.
inline constexpr uint32_t kMaxChunkDataSize = 64 * 1024 * 1024;

struct ChunkRef {
  FourCcValue id = 0;
  uint32_t flags = 0;   // the index entry's flags; 0 for a chunk found by scanning
  uint64_t offset = 0;  // the chunk header in the file
  uint32_t size = 0;    // the data size, without the 8-byte header
  uint64_t data_offset() const { return offset + 8; }
};

// Reads the chunk's data into out. The header in the file must carry the expected identifier
// (an index entry may point anywhere); the data size is the smaller of the header's and the
// reference's (index entries may hold the padded size). False when the header does not match,
// the data is larger than kMaxChunkDataSize, or the bytes cannot be read.
bool ReadChunkData(ByteSource& source, const ChunkRef& chunk, std::vector<uint8_t>& out);

// Reads at most limit bytes from the start of the chunk's data (no header check: for a quick
// look into chunks already checked). Returns the bytes read.
size_t ReadChunkPrefix(ByteSource& source, const ChunkRef& chunk, uint8_t* buffer, size_t limit);

}  // namespace vantrel::avi
