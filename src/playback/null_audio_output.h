// A sound device that plays nothing: for machines without a sound card and for tests. It takes
// frames into a queue of a card's size and lets them go at the device's sample rate by a time
// source, so its clock runs exactly as a card's would, stalls when starved and holds when paused.
#pragma once

#include <mutex>
#include <optional>

#include "playback/audio_output.h"
#include "playback/playback_clock.h"

namespace vantrel {

class NullAudioOutput : public AudioOutput {
 public:
  // device_format: the one format the device plays, as a real card may insist; without it the
  // device takes whatever is wanted.
  explicit NullAudioOutput(TimeSource now, std::optional<AudioFormat> device_format = {});

  std::optional<AudioFormat> Open(const AudioFormat& wanted) override;
  size_t Write(const uint8_t* data, size_t frames) override;
  int64_t FramesPlayed() const override;
  void Resume() override;
  void Pause() override;
  void Flush() override;
  void SetGain(float gain) override;

  float gain() const;
  bool running() const;
  // Frames queued and not yet played.
  int64_t queued() const;

 private:
  // Lets go of the frames whose time has come; lock_ held.
  void AdvanceLocked() const;

  mutable std::mutex lock_;
  TimeSource now_;
  std::optional<AudioFormat> device_format_;
  AudioFormat format_;
  int64_t capacity_ = 0;  // frames the queue holds
  int64_t written_ = 0;
  bool running_ = false;
  float gain_ = 1.0f;
  // Played frames: anchor_frames_ at the time source reading anchor_time_, then the rate's pace.
  mutable int64_t played_ = 0;
  mutable int64_t anchor_frames_ = 0;
  mutable int64_t anchor_time_ = 0;
};

}  // namespace vantrel
