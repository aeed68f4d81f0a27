#include "avi/chunk_ref.h"

#include <algorithm>

#include "avi/byte_order.h"

namespace vantrel::avi {

bool ReadChunkData(ByteSource& source, const ChunkRef& chunk, std::vector<uint8_t>& out) {
  uint8_t header[8];
  if (!source.ReadExact(chunk.offset, header, sizeof header) || ReadLe32(header) != chunk.id) {
    return false;
  }
  const uint32_t size = std::min(ReadLe32(header + 4), chunk.size);
  if (size > kMaxChunkDataSize) return false;
  out.resize(size);
  return source.ReadExact(chunk.data_offset(), out.data(), size);
}

size_t ReadChunkPrefix(ByteSource& source, const ChunkRef& chunk, uint8_t* buffer, size_t limit) {
  return source.ReadAt(chunk.data_offset(), buffer, std::min<size_t>(limit, chunk.size));
}

}  // namespace vantrel::avi
