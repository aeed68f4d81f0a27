#include "playback/null_audio_output.h"

#include <algorithm>

#include "playback/media_time.h"

namespace vantrel {
namespace {
// What a sound card typically queues: a fifth of a second.
constexpr int64_t kQueueMilliseconds = 200;
}  // namespace

NullAudioOutput::NullAudioOutput(TimeSource now, std::optional<AudioFormat> device_format)
    : now_(std::move(now)), device_format_(device_format) {}

std::optional<AudioFormat> NullAudioOutput::Open(const AudioFormat& wanted) {
  const AudioFormat format = device_format_.value_or(wanted);
  if (format.sample_rate <= 0 || format.channels <= 0) return std::nullopt;
  std::lock_guard guard(lock_);
  format_ = format;
  capacity_ = std::max<int64_t>(1, format.sample_rate * kQueueMilliseconds / 1000);
  written_ = played_ = anchor_frames_ = 0;
  anchor_time_ = now_();
  running_ = false;
  return format;
}

void NullAudioOutput::AdvanceLocked() const {
  if (!running_ || format_.sample_rate <= 0) return;
  const int64_t now = now_();
  const auto due = anchor_frames_ + static_cast<int64_t>(static_cast<double>(now - anchor_time_) *
                                                         format_.sample_rate / kUnitsPerSecond);
  if (due < written_) {
    played_ = std::max(played_, due);
    return;
  }
  // Starved: the queue ran dry, and frames written later play from when they come.
  played_ = written_;
  anchor_frames_ = written_;
  anchor_time_ = now;
}

size_t NullAudioOutput::Write(const uint8_t*, size_t frames) {
  std::lock_guard guard(lock_);
  AdvanceLocked();
  const int64_t room = std::max<int64_t>(0, capacity_ - (written_ - played_));
  const auto taken = static_cast<int64_t>(std::min<size_t>(frames, static_cast<size_t>(room)));
  written_ += taken;
  return static_cast<size_t>(taken);
}

int64_t NullAudioOutput::FramesPlayed() const {
  std::lock_guard guard(lock_);
  AdvanceLocked();
  return played_;
}

void NullAudioOutput::Resume() {
  std::lock_guard guard(lock_);
  if (running_) return;
  running_ = true;
  anchor_frames_ = played_;
  anchor_time_ = now_();
}

void NullAudioOutput::Pause() {
  std::lock_guard guard(lock_);
  AdvanceLocked();
  running_ = false;
}

void NullAudioOutput::Flush() {
  std::lock_guard guard(lock_);
  written_ = played_ = anchor_frames_ = 0;
  anchor_time_ = now_();
}

void NullAudioOutput::SetGain(float gain) {
  std::lock_guard guard(lock_);
  gain_ = gain;
}

float NullAudioOutput::gain() const {
  std::lock_guard guard(lock_);
  return gain_;
}

bool NullAudioOutput::running() const {
  std::lock_guard guard(lock_);
  return running_;
}

int64_t NullAudioOutput::queued() const {
  std::lock_guard guard(lock_);
  AdvanceLocked();
  return written_ - played_;
}

}  // namespace vantrel
