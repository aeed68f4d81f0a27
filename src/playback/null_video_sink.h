// A window that shows nothing: it takes the pictures of a headless run (the command line, the
// tests) at a fixed size and counts them, keeping the last one's time.
#pragma once

#include <atomic>
#include <cstdint>

#include "playback/video_sink.h"

namespace vantrel {

class NullVideoSink : public VideoSink {
 public:
  explicit NullVideoSink(SinkRect rect = {960, 540}) : rect_(rect) {}

  SinkRect ClientRect() const override { return rect_; }
  void Present(const SinkPicture& picture) override {
    last_time_ = picture.time;
    ++presented_;
  }

  uint64_t presented() const { return presented_; }
  int64_t last_time() const { return last_time_; }

 private:
  SinkRect rect_;
  std::atomic<uint64_t> presented_{0};
  std::atomic<int64_t> last_time_{0};
};

}  // namespace vantrel
