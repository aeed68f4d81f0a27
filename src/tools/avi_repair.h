// Rebuilds a recording the viewer cannot play as it is, from its two part files (the header
// part: "RIFF", size, "AVI " and the "hdrl" list; the movie part: every byte after it):
//  - an interrupted recording (RIFF size 0) gets its complete chunks, a fresh index and true
//    sizes; a chunk cut short at the end is dropped with everything after it;
//  - a recording without sound (video and text streams only) gains a silent PCM stream between
//    them, its chunks interleaved on the video clock, and the text stream becomes stream 2.
// The output depends only on the two parts and the two arguments. After a rebuild the RIFF
// size is the file size less 8 and every list size matches its content.
#pragma once

#include <cstdint>
#include <string>

#include "avi/byte_sink.h"
#include "avi/byte_source.h"
#include "tools/cancel_check.h"

namespace vantrel::tools {

// How the unchanged chunks reach the output file: written in place from a mapping of the movie
// part (a part that cannot be mapped is read instead), or read through the output's buffer. The
// output is the same either way.
enum class MovieCopy { kMapped, kRead };

// True when an output was written. False when a part cannot be read, the header part is too short
// for a field the rebuild reads, the first stream's scale or rate or the frame count is 0, an
// interrupted recording has no complete chunk, the result would not fit a RIFF file, or the
// output cannot be written; *error (when given) then says which. The output is written under a
// temporary name beside it and takes the place of any file of its name only when complete: a
// failure leaves no output, and a file of that name (a part itself included) as it was.
// `cancelled` is asked before each block of movie bytes is written; once it says so the rebuild
// stops there and fails.
bool AviRepair(const std::string& header_part, const std::string& movie_part,
               const std::string& output, bool audio_less, uint32_t riff_size,
               MovieCopy copy = MovieCopy::kMapped, std::string* error = nullptr,
               const CancelCheck& cancelled = {});

// The same for a recording still in one file: its bytes [0, header_end) are the header part and
// the rest the movie part. The output is byte for byte the one AviRepair writes from those two
// parts as files, without writing them, and is put in place the same way.
bool AviRepairRecording(const std::string& recording, uint64_t header_end,
                        const std::string& output, bool audio_less, uint32_t riff_size,
                        MovieCopy copy = MovieCopy::kMapped, std::string* error = nullptr);

// The same over any sources and sink; on false nothing was appended to output unless a source
// failed in the middle of the copy.
bool RebuildAvi(avi::ByteSource& header_part, avi::ByteSource& movie_part, avi::ByteSink& output,
                bool audio_less, uint32_t riff_size);

}  // namespace vantrel::tools
