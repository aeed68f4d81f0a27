#include "tools/recording_parts.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "avi/byte_order.h"
#include "tools/output_file.h"

namespace vantrel::tools {

namespace {

constexpr uint64_t kTypeOfSecondStream = 232;
constexpr uint64_t kStreamCount = 56;

bool CopyRange(avi::ByteSource& source, uint64_t begin, uint64_t end, OutputFile& file,
               std::vector<uint8_t>& block, const CancelCheck& cancelled) {
  for (uint64_t offset = begin; offset < end;) {
    if (IsCancelled(cancelled)) return false;
    const size_t size = static_cast<size_t>(std::min<uint64_t>(block.size(), end - offset));
    const size_t got = source.ReadAt(offset, block.data(), size);
    if (got == 0 || !file.Append(block.data(), got)) return false;
    offset += got;
  }
  return true;
}

}  // namespace

const char* RepairActionName(RepairAction action) {
  switch (action) {
    case RepairAction::kDirect:
      return "direct";
    case RepairAction::kAddAudio:
      return "add-audio";
    case RepairAction::kRepair:
      return "repair";
  }
  return "direct";
}

std::optional<RecordingFacts> ReadRecordingFacts(avi::ByteSource& source) {
  uint8_t start[20];
  if (!source.ReadExact(0, start, sizeof start)) return std::nullopt;
  RecordingFacts facts;
  facts.riff_size = avi::ReadLe32(start + 4);
  facts.header_end =
      std::min<uint64_t>(20 + static_cast<uint64_t>(avi::ReadLe32(start + 16)), source.Size());
  uint8_t type = 0;
  uint8_t count[4];
  facts.audio_less = kTypeOfSecondStream < facts.header_end &&
                     source.ReadExact(kTypeOfSecondStream, &type, 1) && type == 't' &&
                     source.ReadExact(kStreamCount, count, sizeof count) &&
                     avi::ReadLe32(count) == 2;
  if (facts.riff_size == 0) {
    facts.action = RepairAction::kRepair;
  } else if (facts.audio_less) {
    facts.action = RepairAction::kAddAudio;
  }
  return facts;
}

bool WriteRecordingParts(avi::ByteSource& source, const RecordingFacts& facts,
                         const std::string& header_path, const std::string& movie_path,
                         const CancelCheck& cancelled) {
  std::remove(header_path.c_str());
  std::remove(movie_path.c_str());
  OutputFile header(header_path);
  OutputFile movie(movie_path);
  if (!header.is_open() || !movie.is_open()) return false;
  std::vector<uint8_t> block(kPartCopyBlock);
  const bool copied = CopyRange(source, 0, facts.header_end, header, block, cancelled) &&
                      CopyRange(source, facts.header_end, source.Size(), movie, block, cancelled);
  if (!copied) {  // what is still buffered is dropped, not written on the way out
    header.Abandon();
    movie.Abandon();
  }
  return copied && header.Close() && movie.Close();
}

std::string SafePartName(const std::string& name) {
  std::string safe = name;
  for (size_t i = 0; i < safe.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(safe[i]);
    if (c == '/' || c == '\\' || c < 0x20 || c == 0x7F) safe[i] = '_';
  }
  // Every dot of a run of two or more goes, so no ".." is left.
  for (size_t i = 0; i + 1 < safe.size(); ++i) {
    if (safe[i] == '.' && safe[i + 1] == '.') {
      size_t end = i;
      while (end < safe.size() && safe[end] == '.') safe[end++] = '_';
      i = end;
    }
  }
  return safe;
}

}  // namespace vantrel::tools
