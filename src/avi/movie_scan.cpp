#include "avi/movie_scan.h"

#include "avi/byte_order.h"
#include "avi/stream_chunk_id.h"

namespace vantrel::avi {

std::optional<ChunkRef> MovieChunkWalker::Stop(ScanStop reason) {
  stopped_ = true;
  stop_ = reason;
  return std::nullopt;
}

std::optional<ChunkRef> MovieChunkWalker::Next() {
  // Every turn of the loop moves forward by at least 8 bytes or stops, so it ends.
  while (!stopped_) {
    if (position_ >= area_.end) return Stop(ScanStop::kEnd);
    const uint64_t left = area_.end - position_;
    if (left < 8) return Stop(ScanStop::kCutShort);
    uint8_t header[12];
    if (!source_.ReadExact(position_, header, left >= 12 ? 12 : 8)) {
      return Stop(ScanStop::kUnreadable);
    }
    ChunkRef chunk;
    chunk.id = ReadLe32(header);
    chunk.size = ReadLe32(header + 4);
    chunk.offset = position_;
    if (chunk.id == kList && left >= 12 && ReadLe32(header + 8) == kRecordList) {
      position_ += 12;
      continue;
    }
    const auto parsed = ParseStreamChunkId(chunk.id);
    const bool known = chunk.id == kJunk || (parsed && parsed->stream < stream_count_);
    if (!known) return Stop(ScanStop::kUnknownChunk);
    if (chunk.size > left - 8) return Stop(ScanStop::kCutShort);
    // The pad byte of the last chunk may be missing at the very end; the data is whole.
    position_ += 8 + uint64_t{chunk.size} + (chunk.size & 1);
    if (position_ > area_.end) position_ = area_.end;
    if (chunk.id != kJunk) return chunk;
  }
  return std::nullopt;
}

MovieScan ScanMovie(ByteSource& source, const AviHeader& header) {
  MovieScan scan;
  if (!header.movie) return scan;
  MovieChunkWalker walker(source, header.movie->chunks, header.streams.size());
  while (auto chunk = walker.Next()) scan.chunks.push_back(*chunk);
  scan.stop = walker.stop();
  return scan;
}

}  // namespace vantrel::avi
