#include "playback/playback_clock.h"

#include <algorithm>
#include <chrono>

namespace vantrel {

TimeSource SteadyTimeSource() {
  return [] {
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<int64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() /
                                100);
  };
}

int64_t PlaybackClock::Elapsed() const {
  return running_ ? static_cast<int64_t>(static_cast<double>(now_() - started_) * rate_) : 0;
}

void PlaybackClock::Start(double rate) {
  base_ += Elapsed();
  rate_ = rate;
  started_ = now_();
  running_ = true;
}

void PlaybackClock::Pause() {
  base_ += Elapsed();
  running_ = false;
}

void PlaybackClock::Set(int64_t position) {
  base_ = position;
  started_ = now_();
}

int64_t PlaybackClock::Position(int64_t limit) const { return std::min(base_ + Elapsed(), limit); }

}  // namespace vantrel
