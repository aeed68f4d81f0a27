// The time line's clock while no sound drives it: a monotonic time source scaled by the
// playback rate, started, paused and set to a position. Positions are 100-ns units. Not
// thread-safe; its owner guards it.
#pragma once

#include <cstdint>
#include <functional>

namespace vantrel {

// Monotonic time in 100-ns units from an arbitrary origin.
using TimeSource = std::function<int64_t()>;
TimeSource SteadyTimeSource();

class PlaybackClock {
 public:
  explicit PlaybackClock(TimeSource now) : now_(std::move(now)) {}

  void Start(double rate);
  void Pause();
  void Set(int64_t position);
  // Never beyond limit: the clock stands at the end of the recording once it gets there.
  int64_t Position(int64_t limit) const;
  bool running() const { return running_; }

 private:
  int64_t Elapsed() const;

  TimeSource now_;
  bool running_ = false;
  double rate_ = 1.0;
  int64_t base_ = 0;     // position when last started or set
  int64_t started_ = 0;  // time source reading at that moment
};

}  // namespace vantrel
