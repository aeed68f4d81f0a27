// Walks the chunks of a movie part (the "movi" list header, then chunks) reading only their
// headers and first data bytes: which chunks are complete and will be copied, and what the copy
// needs to know of each, so the copy reads nothing more. A chunk cut short by the end of the
// part ends the walk, with everything after it.
#pragma once

#include <cstdint>
#include <vector>

#include "avi/byte_source.h"

namespace vantrel::tools {

inline constexpr uint64_t kMovieListHeaderSize = 12;

// The data bytes read with each header: a video chunk's NAL unit type is its fifth byte.
inline constexpr size_t kChunkLeadSize = 5;

struct WalkedChunk {
  uint32_t id = 0;
  uint32_t size = 0;      // as its header gives it, before padding
  uint8_t lead_size = 0;  // how many of the first data bytes (pad byte included) were read
  uint8_t lead[kChunkLeadSize] = {};
};

struct MovieChunkWalk {
  uint64_t total = 0;               // bytes of the complete chunks, headers and pad bytes included
  uint64_t front_video_count = 0;   // "00dc" chunks
  uint64_t count = 0;               // chunks walked, kept or only counted
  std::vector<WalkedChunk> chunks;  // in their order in the part; empty when only counted
  // The chunks with their index entries would not fit a RIFF file: the walk stopped there, so a
  // part of millions of empty chunks is refused before it is held in memory.
  bool too_large = false;
};

// Whether the walk keeps each chunk or only counts them (which needs no memory however many
// chunks there are).
enum class WalkKeeps { kChunks, kCounts };

// An interrupted recording: only data chunks ("..dc", "..tx", "..wb") are taken; the first other
// identifier ends the walk, as does the end of the part.
MovieChunkWalk WalkDataChunks(avi::ByteSource& movie, WalkKeeps keeps = WalkKeeps::kChunks);

// A complete recording: every chunk is taken until `limit` bytes of chunks are reached (the
// movie list's size less its type), or the part ends first.
MovieChunkWalk WalkChunksUpTo(avi::ByteSource& movie, uint64_t limit,
                              WalkKeeps keeps = WalkKeeps::kChunks);

// The size a chunk takes in the list: its data size made even.
inline uint64_t PaddedSize(uint32_t size) { return static_cast<uint64_t>(size) + (size & 1u); }

}  // namespace vantrel::tools
