#include "avi/avi_header.h"

#include <algorithm>
#include <functional>

#include "avi/byte_order.h"

namespace vantrel::avi {

namespace {

constexpr uint64_t kHeaderListOffset = 12;
constexpr uint64_t kHeaderListDataOffset = 24;  // after "LIST", size, "hdrl"
// Recordings have a header list, a movie list and an index at the top level; a few filler
// chunks are tolerated, a file of thousands of tiny top-level chunks is not walked.
constexpr int kMaxTopLevelChunks = 4096;
constexpr uint64_t kAudioLessTypeOffset = 232;
constexpr uint64_t kStreamCountOffset = 56;

uint64_t Padded(uint64_t size) { return size + (size & 1); }

// Calls visit(id, data, size) for each whole chunk in [data, data + size); stops at the first
// chunk that claims more than what is left.
void ForEachChunk(const uint8_t* data, size_t size,
                  const std::function<void(FourCcValue, const uint8_t*, uint32_t)>& visit) {
  size_t position = 0;
  while (size - position >= 8) {
    const FourCcValue id = ReadLe32(data + position);
    const uint32_t chunk_size = ReadLe32(data + position + 4);
    if (chunk_size > size - position - 8) return;
    visit(id, data + position + 8, chunk_size);
    position += 8 + static_cast<size_t>(Padded(chunk_size));
    if (position > size) return;
  }
}

bool IsList(FourCcValue id, const uint8_t* data, uint32_t size, FourCcValue type) {
  return id == kList && size >= 4 && ReadLe32(data) == type;
}

StreamInfo ParseStreamList(const uint8_t* data, uint32_t size) {
  StreamInfo stream;
  ForEachChunk(data + 4, size - 4, [&](FourCcValue id, const uint8_t* chunk, uint32_t length) {
    if (id == kStreamHeader) {
      if (auto header = ParseStreamHeader(chunk, length)) stream.header = *header;
    } else if (id == kStreamFormat) {
      if (stream.header.type == kVideoStream) {
        stream.video = ParseBitmapInfo(chunk, length);
      } else if (stream.header.type == kAudioStream) {
        stream.audio = ParseWaveFormat(chunk, length);
      }
    }
  });
  return stream;
}

bool ParseHeaderList(const std::vector<uint8_t>& list, AviHeader& header) {
  bool have_main = false;
  ForEachChunk(list.data(), list.size(), [&](FourCcValue id, const uint8_t* data, uint32_t size) {
    if (id == kMainHeader && !have_main) {
      if (auto main = ParseMainHeader(data, size)) {
        header.main = *main;
        header.main_header_size = size;
        have_main = true;
      }
    } else if (IsList(id, data, size, kStreamList) && header.streams.size() < kMaxStreams) {
      header.streams.push_back(ParseStreamList(data, size));
    }
  });
  return have_main;
}

bool ReadAudioLessFact(ByteSource& source) {
  uint8_t type = 0;
  uint8_t count[4];
  return source.ReadExact(kAudioLessTypeOffset, &type, 1) && type == 't' &&
         source.ReadExact(kStreamCountOffset, count, 4) && ReadLe32(count) == 2;
}

// The movie list and the index, found among the top-level chunks after the header list. The
// walk goes to the end of the file, not of the RIFF size: an interrupted recording leaves 0
// there, and a wrong size must not hide the movie.
void FindMovieAndIndex(ByteSource& source, AviHeader& header) {
  const uint64_t end = header.file_size;
  uint64_t position = kHeaderListDataOffset - 4 + Padded(header.header_list_size);
  for (int walked = 0; walked < kMaxTopLevelChunks && position <= end && end - position >= 8;
       ++walked) {
    uint8_t bytes[12];
    if (!source.ReadExact(position, bytes, std::min<uint64_t>(12, end - position))) return;
    const FourCcValue id = ReadLe32(bytes);
    const uint32_t size = ReadLe32(bytes + 4);
    const bool fits = uint64_t{size} <= end - position - 8;
    if (id == kList && end - position >= 12 && ReadLe32(bytes + 8) == kMovieList && !header.movie) {
      MovieList movie;
      movie.list_offset = position;
      movie.declared_size = size;
      movie.open_ended = size < 4 || !fits;
      movie.chunks.begin = position + 12;
      movie.chunks.end = movie.open_ended ? end : position + 8 + size;
      header.movie = movie;
      if (movie.open_ended) return;  // nothing after it can be found reliably
    } else if (id == kIndex && header.movie) {
      const uint64_t available = std::min<uint64_t>(size, end - position - 8);
      header.index = FileSpan{position + 8, position + 8 + available / 16 * 16};
      return;
    }
    if (!fits) return;
    position += 8 + Padded(size);
  }
}

std::optional<AviHeader> Fail(AviHeaderError reason, AviHeaderError* error) {
  if (error != nullptr) *error = reason;
  return std::nullopt;
}

}  // namespace

std::optional<AviHeader> ReadAviHeader(ByteSource& source, AviHeaderError* error) {
  if (error != nullptr) *error = AviHeaderError::kNone;
  AviHeader header;
  header.file_size = source.Size();
  uint8_t start[kHeaderListDataOffset];
  if (!source.ReadExact(0, start, sizeof start)) {
    return Fail(
        header.file_size < sizeof start ? AviHeaderError::kNotAvi : AviHeaderError::kUnreadable,
        error);
  }
  if (ReadLe32(start) != kRiff || ReadLe32(start + 8) != kAviForm ||
      ReadLe32(start + kHeaderListOffset) != kList || ReadLe32(start + 20) != kHeaderList) {
    return Fail(AviHeaderError::kNotAvi, error);
  }
  header.riff_size = ReadLe32(start + 4);
  header.header_list_size = ReadLe32(start + 16);
  if (header.header_list_size < 4 || header.header_list_size > kMaxHeaderListSize ||
      header.header_list_size - 4 > header.file_size - kHeaderListDataOffset) {
    return Fail(AviHeaderError::kHeaderIncomplete, error);
  }
  std::vector<uint8_t> list(header.header_list_size - 4);
  if (!source.ReadExact(kHeaderListDataOffset, list.data(), list.size())) {
    return Fail(AviHeaderError::kUnreadable, error);
  }
  if (!ParseHeaderList(list, header)) return Fail(AviHeaderError::kNoMainHeader, error);
  header.audio_less = ReadAudioLessFact(source);
  FindMovieAndIndex(source, header);
  return header;
}

const char* AviHeaderErrorText(AviHeaderError error) {
  switch (error) {
    case AviHeaderError::kNone:
      break;
    case AviHeaderError::kNotAvi:
      return "not a RIFF AVI recording";
    case AviHeaderError::kHeaderIncomplete:
      return "its header is cut short";
    case AviHeaderError::kUnreadable:
      return "it cannot be read to the end of its header";
    case AviHeaderError::kNoMainHeader:
      return "its header holds no main header";
  }
  return "a recording";
}

}  // namespace vantrel::avi
