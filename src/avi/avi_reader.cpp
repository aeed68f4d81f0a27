#include "avi/avi_reader.h"

#include "avi/avi_index.h"
#include "avi/movie_scan.h"

namespace vantrel::avi {

std::optional<AviContents> ReadAvi(ByteSource& source, AviHeaderError* error) {
  auto header = ReadAviHeader(source, error);
  if (!header) return std::nullopt;
  AviContents contents;
  contents.header = std::move(*header);
  if (contents.header.riff_size != 0) {
    contents.chunks = ReadIndex(source, contents.header);
    contents.from_index = !contents.chunks.empty();
  }
  if (!contents.from_index) contents.chunks = ScanMovie(source, contents.header).chunks;
  return contents;
}

}  // namespace vantrel::avi
