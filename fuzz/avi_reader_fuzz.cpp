// Feeds arbitrary bytes to the AVI reader as a whole file: header, streams, movie scan, index,
// chunk data and the H.264 key-frame test. Nothing may read outside the input, hang or grow
// without bound.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "avi/avi_header.h"
#include "avi/avi_index.h"
#include "avi/avi_reader.h"
#include "avi/h264_frame_kind.h"
#include "avi/movie_scan.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vantrel::avi;
  MemoryByteSource source(std::string(reinterpret_cast<const char*>(data), size));
  const auto header = ReadAviHeader(source);
  if (!header) return 0;
  const MovieScan scan = ScanMovie(source, *header);
  const std::vector<ChunkRef> indexed = ReadIndex(source, *header);
  if (IndexEntryCount(*header) < indexed.size()) __builtin_trap();
  const auto contents = ReadAvi(source);
  if (!contents) __builtin_trap();  // the header was readable a moment ago
  std::vector<uint8_t> bytes;
  for (const ChunkRef& chunk : contents->chunks) {
    if (!ReadChunkData(source, chunk, bytes)) continue;
    if (bytes.size() > chunk.size) __builtin_trap();
    ClassifyH264Frame(bytes.data(), bytes.size(), true);
    ClassifyH264Frame(bytes.data(), bytes.size() / 2, false);
  }
  return 0;
}
