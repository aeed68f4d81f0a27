// Walks the chunks of a movie part (the "movi" list header, then chunks) without reading their
// data: which chunks are complete and will be copied. A chunk cut short by the end of the part
// ends the walk, with everything after it.
#pragma once

#include <cstdint>

#include "avi/byte_source.h"

namespace vantrel::tools {

inline constexpr uint64_t kMovieListHeaderSize = 12;

struct MovieChunkWalk {
  uint64_t total = 0;  // bytes of the complete chunks, headers and pad bytes included
  uint64_t chunk_count = 0;
  uint64_t front_video_count = 0;  // "00dc" chunks
};

// An interrupted recording: only data chunks ("..dc", "..tx", "..wb") are taken; the first other
// identifier ends the walk, as does the end of the part.
MovieChunkWalk WalkDataChunks(avi::ByteSource& movie);

// A complete recording: every chunk is taken until `limit` bytes of chunks are reached (the
// movie list's size less its type), or the part ends first.
MovieChunkWalk WalkChunksUpTo(avi::ByteSource& movie, uint64_t limit);

// The size a chunk takes in the list: its data size made even.
inline uint64_t PaddedSize(uint32_t size) { return static_cast<uint64_t>(size) + (size & 1u); }

}  // namespace vantrel::tools
