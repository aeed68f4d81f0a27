// The identifiers of stream data chunks: two decimal digits naming the stream, then the kind
// ("00dc" compressed video, "01wb" audio, "02tx" text).
#pragma once

#include <cstdint>
#include <optional>

#include "avi/four_cc.h"

namespace vantrel::avi {

enum class ChunkKind { kVideo, kAudio, kText };

struct StreamChunkId {
  uint32_t stream = 0;
  ChunkKind kind = ChunkKind::kVideo;
};

// The stream number and kind, or none for any other identifier (JUNK, LIST, index chunks,
// letters where the digits belong).
std::optional<StreamChunkId> ParseStreamChunkId(FourCcValue id);

// "NNdc", "NNwb" or "NNtx" for stream 0..99.
FourCcValue MakeStreamChunkId(uint32_t stream, ChunkKind kind);

}  // namespace vantrel::avi
