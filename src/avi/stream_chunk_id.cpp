#include "avi/stream_chunk_id.h"

namespace vantrel::avi {

namespace {

bool IsDigit(uint32_t c) { return c >= '0' && c <= '9'; }

uint32_t Byte(FourCcValue id, int index) { return (id >> (8 * index)) & 0xFF; }

}  // namespace

std::optional<StreamChunkId> ParseStreamChunkId(FourCcValue id) {
  const uint32_t tens = Byte(id, 0);
  const uint32_t ones = Byte(id, 1);
  if (!IsDigit(tens) || !IsDigit(ones)) return std::nullopt;
  StreamChunkId parsed;
  parsed.stream = (tens - '0') * 10 + (ones - '0');
  const FourCcValue kind = id >> 16;
  if (kind == FourCc("\0\0dc") >> 16) {
    parsed.kind = ChunkKind::kVideo;
  } else if (kind == FourCc("\0\0wb") >> 16) {
    parsed.kind = ChunkKind::kAudio;
  } else if (kind == FourCc("\0\0tx") >> 16) {
    parsed.kind = ChunkKind::kText;
  } else {
    return std::nullopt;
  }
  return parsed;
}

FourCcValue MakeStreamChunkId(uint32_t stream, ChunkKind kind) {
  const char* suffix = kind == ChunkKind::kVideo ? "dc" : kind == ChunkKind::kAudio ? "wb" : "tx";
  return static_cast<FourCcValue>('0' + stream / 10 % 10) |
         static_cast<FourCcValue>('0' + stream % 10) << 8 |
         static_cast<FourCcValue>(static_cast<uint8_t>(suffix[0])) << 16 |
         static_cast<FourCcValue>(static_cast<uint8_t>(suffix[1])) << 24;
}

}  // namespace vantrel::avi
