#include "tools/movie_chunk_walk.h"

#include <algorithm>

#include "avi/byte_order.h"
#include "avi/four_cc.h"

namespace vantrel::tools {

namespace {

constexpr uint64_t kIndexEntrySize = 16;

bool IsDataChunk(const uint8_t* id) {
  return (id[2] == 'd' && id[3] == 'c') || (id[2] == 't' && id[3] == 'x') ||
         (id[2] == 'w' && id[3] == 'b');
}

// data_only: stop at the first identifier that names no stream data.
MovieChunkWalk Walk(avi::ByteSource& movie, uint64_t limit, bool data_only, WalkKeeps keeps) {
  MovieChunkWalk walk;
  uint8_t list_header[kMovieListHeaderSize];
  if (!movie.ReadExact(0, list_header, sizeof list_header)) return walk;
  const uint64_t end = movie.Size();
  uint64_t position = kMovieListHeaderSize;
  while (walk.total < limit) {
    uint8_t header[8 + kChunkLeadSize] = {};
    const size_t got = position < end ? movie.ReadAt(position, header, sizeof header) : 0;
    if (got < 8) break;
    if (data_only && !IsDataChunk(header)) break;
    const uint64_t data_size = PaddedSize(avi::ReadLe32(header + 4));
    const uint64_t size = 8 + data_size;
    if (size > end - position) break;  // cut short
    if (walk.total + size + kIndexEntrySize * (walk.count + 1) > UINT32_MAX) {
      walk.too_large = true;
      break;
    }
    const size_t lead_size = static_cast<size_t>(std::min<uint64_t>(data_size, kChunkLeadSize));
    if (got < 8 + lead_size) break;  // the medium failed: as if the part ended here
    WalkedChunk chunk;
    chunk.id = avi::ReadLe32(header);
    chunk.size = avi::ReadLe32(header + 4);
    chunk.lead_size = static_cast<uint8_t>(lead_size);
    std::copy(header + 8, header + 8 + lead_size, chunk.lead);
    if (keeps == WalkKeeps::kChunks) walk.chunks.push_back(chunk);
    ++walk.count;
    if (chunk.id == avi::FourCc("00dc")) ++walk.front_video_count;
    walk.total += size;
    position += size;
  }
  return walk;
}

}  // namespace

MovieChunkWalk WalkDataChunks(avi::ByteSource& movie, WalkKeeps keeps) {
  return Walk(movie, UINT64_MAX, true, keeps);
}

MovieChunkWalk WalkChunksUpTo(avi::ByteSource& movie, uint64_t limit, WalkKeeps keeps) {
  return Walk(movie, limit, false, keeps);
}

}  // namespace vantrel::tools
