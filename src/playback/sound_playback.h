// The sound of a playing recording: a thread that pulls the audio pin's packets from the
// splitter, decodes them, feeds the sound device, and keeps the time line of what it fed, so
// that the device's count of played frames gives the playback position. While sound plays,
// that position is the clock the pictures are shown by.
//
// Played faster or slower than recorded, the sound is muted (its clock still keeps pace): a
// recording's engine noise at another pitch helps nobody, and the picture is what is watched.
//
// The thread never calls into the user interface. Seeking: Hold, move the splitter, Restart,
// Release.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "playback/audio_output.h"
#include "playback/sound_decoder.h"
#include "playback/sound_timeline.h"
#include "playback/splitter_filter.h"

namespace vantrel {

class SoundPlayback {
 public:
  SoundPlayback(SplitterFilter& splitter, size_t pin, std::unique_ptr<AudioOutput> output);
  SoundPlayback(const SoundPlayback&) = delete;
  SoundPlayback& operator=(const SoundPlayback&) = delete;
  ~SoundPlayback();

  // Opens the decoder and the device for the pin's sound and starts feeding (the device stays
  // paused until Start). False when either cannot play it: the recording then plays silent.
  bool Open(const MediaType& type);

  // Waits until the thread has let go of the splitter's pin.
  void Hold();
  // After the splitter moved: drops everything decoded and queued, and the clock stands at
  // position; sound before position is skipped.
  void Restart(int64_t position);
  // Feeds again from where the splitter's pin now stands.
  void Release();

  void Start(double rate);
  void Pause();
  // Takes effect on the sound decoded from now on.
  void SetRate(double rate);
  // Linear gain, 0..1.
  void SetGain(float gain);

  // Where the sound has got to, in 100-ns units; none once the sound has run out (or never
  // started), so that another clock must carry on.
  std::optional<int64_t> Position() const;

 private:
  void Loop();
  // Decodes the next packet into pending_; lock_ held on entry and exit.
  void DecodeNext(std::unique_lock<std::mutex>& guard);
  // Writes pending sound into the device; false when the device took nothing. lock_ held.
  bool WritePending();
  void ApplyGainLocked();

  SplitterFilter& splitter_;
  size_t pin_;
  std::unique_ptr<AudioOutput> output_;
  SoundDecoder decoder_;  // the thread's, or the seeking caller's while held
  int bytes_per_frame_ = 0;

  mutable std::mutex lock_;
  std::condition_variable wake_;  // the thread waits for room, a release or the end
  std::condition_variable idle_;  // Hold waits for the thread to leave the splitter
  std::deque<SoundChunk> pending_;
  size_t pending_offset_ = 0;  // frames of pending_.front() already written
  SoundTimeline timeline_;
  int64_t skip_before_ = 0;
  double rate_ = 1.0;
  float gain_ = 1.0f;
  bool running_ = false;
  bool held_ = false;
  bool busy_ = false;
  bool ended_ = false;  // the pin has no more packets
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace vantrel
