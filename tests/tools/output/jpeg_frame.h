// Reads a written JPEG back with libavcodec: its size and the simulator's frame mark on it.
#pragma once

#include <optional>
#include <string>

#include "sim/frame_mark.h"

namespace vantrel::test {

struct JpegFrame {
  int width = 0;
  int height = 0;
  std::optional<sim::FrameMark> mark;
};

// None when the file is not a JPEG that decodes.
std::optional<JpegFrame> ReadJpegFrame(const std::string& path);

}  // namespace vantrel::test
