// Where the sound goes: the sound card, or a device that plays nothing but takes the samples at
// the pace a card would, so its clock advances the same way. The engine's sound thread writes
// into it and the playback thread reads its clock; implementations are thread-safe and never
// call back into their caller.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace vantrel {

enum class SampleFormat { kS16, kFloat };

// Interleaved samples: every frame holds one sample of each channel.
struct AudioFormat {
  int sample_rate = 0;
  int channels = 0;
  SampleFormat sample_format = SampleFormat::kS16;

  int BytesPerFrame() const { return channels * (sample_format == SampleFormat::kS16 ? 2 : 4); }
  bool operator==(const AudioFormat&) const = default;
};

class AudioOutput {
 public:
  virtual ~AudioOutput() = default;

  // Prepares the device for samples of the wanted format; the answer is the format the device
  // actually plays (the caller converts to it), or none when it cannot play at all. The device
  // starts paused.
  virtual std::optional<AudioFormat> Open(const AudioFormat& wanted) = 0;
  // Queues frames of the opened format without waiting; how many it took (0 while it is full).
  virtual size_t Write(const uint8_t* data, size_t frames) = 0;
  // Frames heard since Open or the last Flush. Frames still queued, or on their way through the
  // device's own latency, do not count: this is the sound's clock.
  virtual int64_t FramesPlayed() const = 0;
  virtual void Resume() = 0;
  virtual void Pause() = 0;
  // Drops everything queued; the clock starts again from 0.
  virtual void Flush() = 0;
  // Linear gain, 0 (silent) to 1 (as recorded).
  virtual void SetGain(float gain) = 0;
};

// Makes the output of a player; none when the machine has no sound device.
using AudioOutputFactory = std::function<std::unique_ptr<AudioOutput>()>;

}  // namespace vantrel
