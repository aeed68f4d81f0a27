// Deciding whether a recording plays as it is, and splitting it into the two part files the
// rebuild reads. The decision serves a recording on a LyFS card and a file on the computer alike:
// both come in as a byte source. A file on the computer is rebuilt straight from its own bytes
// (AviRepairRecording) and needs no part files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "avi/byte_source.h"
#include "tools/cancel_check.h"

namespace vantrel::tools {

enum class RepairAction {
  kDirect,    // complete and with sound: played as it is
  kAddAudio,  // complete, without sound: a silent stream is added
  kRepair,    // interrupted (RIFF size 0): rebuilt from its complete chunks
};

// "direct", "add-audio" or "repair".
const char* RepairActionName(RepairAction action);

struct RecordingFacts {
  uint32_t riff_size = 0;
  bool audio_less = false;
  // Where the movie part starts: 20 + the header list's size, at most the source's size.
  uint64_t header_end = 0;
  RepairAction action = RepairAction::kDirect;
};

// The bytes copied into the part files at a time.
inline constexpr size_t kPartCopyBlock = 262144;

// None when the first 20 bytes cannot be read. The recording is without sound when the byte at
// 232 is "t" (the second stream is text) and the stream count at 56 is 2; a header list too short
// to hold those bytes does not qualify.
std::optional<RecordingFacts> ReadRecordingFacts(avi::ByteSource& source);

// Replaces both files: bytes [0, header_end) into header_path, the rest into movie_path. False
// when either file cannot be created or written, the source fails, or `cancelled` says so before
// a block (kPartCopyBlock) is read; nothing more is written after that.
bool WriteRecordingParts(avi::ByteSource& source, const RecordingFacts& facts,
                         const std::string& header_path, const std::string& movie_path,
                         const CancelCheck& cancelled = {});

// A name from a card or the command line, made safe to append to a folder: a name holding "/",
// "\", "..", a NUL or another control character has each of those replaced by "_" (the name
// never leaves the folder); any other name is returned unchanged.
std::string SafePartName(const std::string& name);

}  // namespace vantrel::tools
