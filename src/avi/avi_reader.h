// Opens an AVI file for reading: its header and the list of its data chunks in file order.
// The chunk list comes from the index when the file is complete (RIFF size not 0) and its index
// names at least one chunk; otherwise from a scan of the movie list, which ends at the last
// whole chunk of an interrupted recording.
#pragma once

#include <optional>
#include <vector>

#include "avi/avi_header.h"
#include "avi/byte_source.h"
#include "avi/chunk_ref.h"

namespace vantrel::avi {

struct AviContents {
  AviHeader header;
  std::vector<ChunkRef> chunks;
  bool from_index = false;  // the chunks and their key flags came from "idx1"
};

std::optional<AviContents> ReadAvi(ByteSource& source, AviHeaderError* error = nullptr);

}  // namespace vantrel::avi
