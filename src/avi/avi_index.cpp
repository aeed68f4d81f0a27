#include "avi/avi_index.h"

#include <algorithm>

#include "avi/byte_order.h"
#include "avi/index_builder.h"
#include "avi/stream_chunk_id.h"

namespace vantrel::avi {

namespace {

constexpr size_t kEntriesPerRead = 4096;

bool IsStreamChunk(FourCcValue id, size_t stream_count) {
  const auto parsed = ParseStreamChunkId(id);
  return parsed && parsed->stream < stream_count;
}

bool PointsAtChunk(ByteSource& source, uint64_t offset, FourCcValue id) {
  uint8_t bytes[4];
  return source.ReadExact(offset, bytes, sizeof bytes) && ReadLe32(bytes) == id;
}

// The value added to every entry's offset: the "movi" type's position, or 0 for file offsets.
uint64_t DetectBase(ByteSource& source, const AviHeader& header, const uint8_t* entry) {
  const uint64_t relative_base = header.movie->type_offset();
  const FourCcValue id = ReadLe32(entry);
  const uint64_t offset = ReadLe32(entry + 8);
  if (PointsAtChunk(source, relative_base + offset, id)) return relative_base;
  if (PointsAtChunk(source, offset, id)) return 0;
  return relative_base;
}

}  // namespace

size_t IndexEntryCount(const AviHeader& header) {
  return header.index ? header.index->size() / kIndexEntrySize : 0;
}

std::vector<ChunkRef> ReadIndex(ByteSource& source, const AviHeader& header) {
  std::vector<ChunkRef> chunks;
  if (!header.index || !header.movie) return chunks;
  const FileSpan area = header.movie->chunks;
  const size_t stream_count = header.streams.size();
  std::optional<uint64_t> base;
  std::vector<uint8_t> block(kEntriesPerRead * kIndexEntrySize);
  for (uint64_t position = header.index->begin; position < header.index->end;) {
    const size_t bytes =
        static_cast<size_t>(std::min<uint64_t>(block.size(), header.index->end - position));
    if (!source.ReadExact(position, block.data(), bytes)) return {};
    position += bytes;
    for (size_t at = 0; at + kIndexEntrySize <= bytes; at += kIndexEntrySize) {
      const uint8_t* entry = block.data() + at;
      ChunkRef chunk;
      chunk.id = ReadLe32(entry);
      if (!IsStreamChunk(chunk.id, stream_count)) continue;
      if (!base) base = DetectBase(source, header, entry);
      chunk.flags = ReadLe32(entry + 4);
      chunk.offset = *base + ReadLe32(entry + 8);
      chunk.size = ReadLe32(entry + 12);
      if (chunk.offset < area.begin || chunk.offset > area.end ||
          area.end - chunk.offset < 8 + uint64_t{chunk.size}) {
        continue;
      }
      chunks.push_back(chunk);
    }
  }
  const auto by_offset = [](const ChunkRef& a, const ChunkRef& b) { return a.offset < b.offset; };
  if (!std::is_sorted(chunks.begin(), chunks.end(), by_offset)) {
    std::stable_sort(chunks.begin(), chunks.end(), by_offset);
  }
  return chunks;
}

}  // namespace vantrel::avi
