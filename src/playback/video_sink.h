// Where a channel's pictures go: the video surface (or, in tests and the command line, memory).
// The engine presents from its own threads, so an implementation takes the picture and returns
// at once; the user interface pulls what was presented. ClientRect may be read from any thread.
#pragma once

#include <cstdint>

namespace vantrel {

struct SinkRect {
  int width = 0;
  int height = 0;
};

// A picture in 4 bytes per pixel (B, G, R, unused), top row first.
struct SinkPicture {
  const uint8_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;    // bytes from one row to the next
  int64_t time = 0;  // 100-ns units on the playback time line
};

class VideoSink {
 public:
  virtual ~VideoSink() = default;
  virtual SinkRect ClientRect() const = 0;
  // The picture is stretched to ClientRect already; valid only during the call.
  virtual void Present(const SinkPicture& picture) = 0;
};

}  // namespace vantrel
