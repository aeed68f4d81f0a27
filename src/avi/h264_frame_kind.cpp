#include "avi/h264_frame_kind.h"

namespace vantrel::avi {

namespace {

constexpr uint8_t kNonIdrSlice = 1;
constexpr uint8_t kLastPartition = 4;  // types 2..4: data partitions of non-IDR pictures
constexpr uint8_t kIdrSlice = 5;
constexpr uint8_t kSequenceParameterSet = 7;

// kUndecided means: not a deciding NAL unit, keep looking.
H264FrameKind Decide(uint8_t nal_header) {
  const uint8_t type = nal_header & 0x1F;
  if (type == kIdrSlice || type == kSequenceParameterSet) return H264FrameKind::kKey;
  if (type >= kNonIdrSlice && type <= kLastPartition) return H264FrameKind::kNotKey;
  return H264FrameKind::kUndecided;
}

bool StartsWithStartCode(const uint8_t* data, size_t size) {
  return (size >= 3 && data[0] == 0 && data[1] == 0 && data[2] == 1) ||
         (size >= 4 && data[0] == 0 && data[1] == 0 && data[2] == 0 && data[3] == 1);
}

H264FrameKind ClassifyAnnexB(const uint8_t* data, size_t size) {
  // A start code is 00 00 01; emulation prevention keeps that sequence out of NAL payloads.
  for (size_t i = 0; i + 3 < size; ++i) {
    if (data[i] == 0 && data[i + 1] == 0 && data[i + 2] == 1) {
      const H264FrameKind kind = Decide(data[i + 3]);
      if (kind != H264FrameKind::kUndecided) return kind;
      i += 2;
    }
  }
  return H264FrameKind::kUndecided;
}

H264FrameKind ClassifyLengthPrefixed(const uint8_t* data, size_t size) {
  size_t position = 0;
  while (size - position >= 5) {
    const uint64_t length = uint64_t{data[position]} << 24 | uint64_t{data[position + 1]} << 16 |
                            uint64_t{data[position + 2]} << 8 | data[position + 3];
    const H264FrameKind kind = Decide(data[position + 4]);
    if (kind != H264FrameKind::kUndecided) return kind;
    if (length == 0 || length > size - position - 4) break;
    position += 4 + static_cast<size_t>(length);
  }
  return H264FrameKind::kUndecided;
}

}  // namespace

H264FrameKind ClassifyH264Frame(const uint8_t* data, size_t size, bool whole) {
  const H264FrameKind kind = StartsWithStartCode(data, size) ? ClassifyAnnexB(data, size)
                                                             : ClassifyLengthPrefixed(data, size);
  if (kind == H264FrameKind::kUndecided && whole) return H264FrameKind::kNotKey;
  return kind;
}

}  // namespace vantrel::avi
