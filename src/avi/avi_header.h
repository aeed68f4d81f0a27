// Reads the header of an AVI file: the RIFF facts, the main header, every stream's header and
// format, and where the movie list and the index lie. Nothing here trusts the file: each size
// is checked against its parent and against the end of the source, a header list that does not
// fit in the file is refused, and the number of streams and top-level chunks is capped.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "avi/avi_headers.h"
#include "avi/byte_source.h"

namespace vantrel::avi {

// Two-digit chunk identifiers name at most 100 streams.
inline constexpr size_t kMaxStreams = 100;
// A header list larger than this is not a recording's header.
inline constexpr uint32_t kMaxHeaderListSize = 16 * 1024 * 1024;

struct StreamInfo {
  StreamHeader header;              // zero when the stream list had no "strh"
  std::optional<BitmapInfo> video;  // "strf" of a "vids" stream, when it parses
  std::optional<WaveFormat> audio;  // "strf" of an "auds" stream, when it parses
};

// A span of the file: [begin, end), already cut to the source's size.
struct FileSpan {
  uint64_t begin = 0;
  uint64_t end = 0;
  uint64_t size() const { return end - begin; }
};

struct MovieList {
  uint64_t list_offset = 0;  // the "LIST" identifier
  uint32_t declared_size = 0;
  // The chunks' area: from after the "movi" type to the declared end, or to the end of the
  // source when the declared size is 0, too small or runs past the end (an interrupted file).
  FileSpan chunks;
  bool open_ended = false;  // the declared size was not used
  // Where the index chunk's entries are counted from: the "movi" type.
  uint64_t type_offset() const { return list_offset + 8; }
};

struct AviHeader {
  uint64_t file_size = 0;
  uint32_t riff_size = 0;
  uint32_t header_list_size = 0;
  uint32_t main_header_size = 0;
  MainHeader main;
  std::vector<StreamInfo> streams;
  // The layout test the repair decides by: byte 232 is 't' (the second stream's type is text
  // in a one-channel file) and the stream count at byte 56 is 2.
  bool audio_less = false;
  std::optional<MovieList> movie;
  // The "idx1" entries' bytes, cut to whole entries that lie inside the source.
  std::optional<FileSpan> index;
};

enum class AviHeaderError {
  kNone,
  kNotAvi,            // no "RIFF" .. "AVI " .. "LIST" "hdrl" at the start
  kHeaderIncomplete,  // the header list runs past the end of the file, or is absurdly large
  kUnreadable,        // the source failed while the header was read
  kNoMainHeader,      // the header list holds no usable "avih"
};

std::optional<AviHeader> ReadAviHeader(ByteSource& source, AviHeaderError* error = nullptr);

// Why a file is not a recording, as a user reads it: "not a RIFF AVI recording" and so on.
const char* AviHeaderErrorText(AviHeaderError error);

}  // namespace vantrel::avi
