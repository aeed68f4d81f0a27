// Which time of the recording each frame sent to the sound device carries, so that the count of
// frames the device has played tells where playback stands. Every stretch of frames written
// records its starting time and how long one frame lasts on the time line (longer than a device
// frame when the sound is played faster). Not thread-safe; its owner guards it.
#pragma once

#include <cstdint>
#include <deque>

namespace vantrel {

class SoundTimeline {
 public:
  // Nothing written yet; the time line stands at position until frames are played.
  void Reset(int64_t position);
  // frames written after everything before, the first at time, each lasting units_per_frame.
  void Append(int64_t time, double units_per_frame, int64_t frames);
  // The time reached once played frames (counted from the last Reset) were heard; the Reset's
  // position until the first is. Frames never written do not move it: a starved device holds
  // the time where its sound ran out.
  int64_t PositionAt(int64_t played) const;
  // Forgets stretches wholly played, keeping the one that holds played.
  void Trim(int64_t played);
  int64_t written() const { return written_; }

 private:
  struct Stretch {
    int64_t first_frame;
    int64_t frames;
    int64_t time;
    double units_per_frame;
  };

  int64_t start_ = 0;
  int64_t written_ = 0;
  std::deque<Stretch> stretches_;
};

}  // namespace vantrel
