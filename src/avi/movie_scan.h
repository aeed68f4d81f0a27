// Walks the chunks of the movie list in file order, for files without a usable index (an
// interrupted recording has none, and its RIFF size is 0). The walk accepts the data chunks
// of the file's own streams ("NNdc", "NNwb", "NNtx" with NN below the stream count), skips
// "JUNK" fillers and steps into "LIST" "rec " groups; it stops at the first chunk cut short by
// the end of the area and at the first identifier it does not know, because after a write was
// interrupted nothing further can be trusted.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "avi/avi_header.h"
#include "avi/byte_source.h"
#include "avi/chunk_ref.h"

namespace vantrel::avi {

enum class ScanStop {
  kEnd,           // the area ended exactly after a whole chunk
  kCutShort,      // a chunk (or its header) runs past the end of the area
  kUnknownChunk,  // an identifier that is not a stream chunk of this file
  kUnreadable,    // the source failed
};

class MovieChunkWalker {
 public:
  MovieChunkWalker(ByteSource& source, FileSpan area, size_t stream_count)
      : source_(source), area_(area), position_(area.begin), stream_count_(stream_count) {}

  // The next whole data chunk, or none when the walk has stopped (see stop()).
  std::optional<ChunkRef> Next();
  ScanStop stop() const { return stop_; }
  // Where the walk is: after the last whole chunk once it has stopped.
  uint64_t position() const { return position_; }

 private:
  std::optional<ChunkRef> Stop(ScanStop reason);

  ByteSource& source_;
  FileSpan area_;
  uint64_t position_;
  size_t stream_count_;
  ScanStop stop_ = ScanStop::kEnd;
  bool stopped_ = false;
};

struct MovieScan {
  std::vector<ChunkRef> chunks;
  ScanStop stop = ScanStop::kEnd;
};

// Every whole data chunk of the header's movie list (none when there is no movie list).
MovieScan ScanMovie(ByteSource& source, const AviHeader& header);

}  // namespace vantrel::avi
