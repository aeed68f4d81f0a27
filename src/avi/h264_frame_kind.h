// Tells an H.264 key frame from the NAL units at the start of a video chunk, for files whose
// index does not carry key flags (an interrupted recording has no index at all). A chunk is a
// key frame when it holds an IDR slice (NAL type 5) or a sequence parameter set (type 7), which
// recorders put in front of every IDR picture. Both ways of framing NAL units are understood:
// Annex B start codes and 4-byte big-endian length prefixes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vantrel::avi {

enum class H264FrameKind {
  kKey,
  kNotKey,
  kUndecided,  // the bytes looked at end before a slice was reached
};

// data: the first size bytes of the chunk; whole: they are the entire chunk. A slice of a
// non-IDR picture decides "not key" at once, so the start of a chunk normally suffices.
H264FrameKind ClassifyH264Frame(const uint8_t* data, size_t size, bool whole);

}  // namespace vantrel::avi
