#include "avi/h264_frame_kind.h"

#include <gtest/gtest.h>

#include <string>

namespace vantrel::avi {
namespace {

H264FrameKind Classify(const std::string& bytes, bool whole = true) {
  return ClassifyH264Frame(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), whole);
}

std::string S(const char* bytes, size_t size) { return std::string(bytes, size); }

TEST(H264FrameKind, AnnexBStartCodesOfThreeAndFourBytes) {
  EXPECT_EQ(Classify(S("\0\0\0\x01\x67\x42\0\0\x01\x68\xce\0\0\x01\x65\x88", 16)),
            H264FrameKind::kKey);                                                       // SPS first
  EXPECT_EQ(Classify(S("\0\0\x01\x09\x10\0\0\x01\x65\x88", 10)), H264FrameKind::kKey);  // AUD, IDR
  EXPECT_EQ(Classify(S("\0\0\0\x01\x09\x30\0\0\0\x01\x41\x9a", 12)), H264FrameKind::kNotKey);
  EXPECT_EQ(Classify(S("\0\0\0\x01\x06\x05\x11", 7), false), H264FrameKind::kUndecided);
  EXPECT_EQ(Classify(S("\0\0\0\x01\x06\x05\x11", 7), true), H264FrameKind::kNotKey);
  // A start code split off at the very end decides nothing.
  EXPECT_EQ(Classify(S("\0\0\0\x01\x06\x05\0\0\x01", 9), false), H264FrameKind::kUndecided);
}

TEST(H264FrameKind, LengthPrefixedUnitsAreWalkedByTheirLengths) {
  const std::string sei_then_idr = S("\0\0\0\x03\x06\x05\x01\0\0\0\x02\x65\x88", 13);
  EXPECT_EQ(Classify(sei_then_idr), H264FrameKind::kKey);
  EXPECT_EQ(Classify(S("\0\0\0\x02\x41\x9a", 6)), H264FrameKind::kNotKey);
  // A length that runs past the bytes at hand needs more of the chunk.
  EXPECT_EQ(Classify(S("\0\0\x10\0\x06\x05", 6), false), H264FrameKind::kUndecided);
  EXPECT_EQ(Classify(S("\0\0\0\0\x06", 5), true), H264FrameKind::kNotKey);  // zero length
  EXPECT_EQ(Classify(""), H264FrameKind::kNotKey);
}

}  // namespace
}  // namespace vantrel::avi
