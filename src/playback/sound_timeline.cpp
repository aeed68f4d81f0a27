#include "playback/sound_timeline.h"

#include <algorithm>
#include <cmath>

namespace vantrel {

void SoundTimeline::Reset(int64_t position) {
  start_ = position;
  written_ = 0;
  stretches_.clear();
}

void SoundTimeline::Append(int64_t time, double units_per_frame, int64_t frames) {
  if (frames <= 0) return;
  if (!stretches_.empty()) {
    Stretch& last = stretches_.back();
    const double end = static_cast<double>(last.time) + last.units_per_frame * last.frames;
    // Sound that simply goes on extends the stretch it continues.
    if (last.units_per_frame == units_per_frame &&
        std::abs(end - static_cast<double>(time)) < 1.0) {
      last.frames += frames;
      written_ += frames;
      return;
    }
  }
  stretches_.push_back({written_, frames, time, units_per_frame});
  written_ += frames;
}

int64_t SoundTimeline::PositionAt(int64_t played) const {
  // Until the first frame is heard the time stands exactly where it was put.
  if (stretches_.empty() || played <= 0) return start_;
  played = std::clamp<int64_t>(played, 0, written_);
  // The last stretch that starts at or before played.
  auto it = std::upper_bound(stretches_.begin(), stretches_.end(), played,
                             [](int64_t frame, const Stretch& s) { return frame < s.first_frame; });
  if (it == stretches_.begin()) return stretches_.front().time;
  const Stretch& stretch = *(it - 1);
  const int64_t into = std::min(played - stretch.first_frame, stretch.frames);
  return stretch.time + static_cast<int64_t>(stretch.units_per_frame * static_cast<double>(into));
}

void SoundTimeline::Trim(int64_t played) {
  while (stretches_.size() > 1 && stretches_[1].first_frame <= played) stretches_.pop_front();
}

}  // namespace vantrel
