#include "playback/sound_playback.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

namespace vantrel {
namespace {
// How long the thread waits for the device to make room: a fraction of its queue.
constexpr auto kFeedTick = std::chrono::milliseconds(5);

// Drops the frames of chunk that lie before time.
void SkipBefore(int64_t time, SoundChunk* chunk) {
  if (chunk->time >= time || chunk->units_per_frame <= 0) return;
  const auto skip = std::min<int64_t>(
      chunk->frames, static_cast<int64_t>(std::ceil(static_cast<double>(time - chunk->time) /
                                                    chunk->units_per_frame)));
  const size_t bytes_per_frame = chunk->frames > 0 ? chunk->bytes.size() / chunk->frames : 0;
  chunk->bytes.erase(chunk->bytes.begin(),
                     chunk->bytes.begin() + static_cast<ptrdiff_t>(skip * bytes_per_frame));
  chunk->frames -= skip;
  chunk->time += static_cast<int64_t>(static_cast<double>(skip) * chunk->units_per_frame);
}

}  // namespace

SoundPlayback::SoundPlayback(SplitterFilter& splitter, size_t pin,
                             std::unique_ptr<AudioOutput> output)
    : splitter_(splitter), pin_(pin), output_(std::move(output)) {}

SoundPlayback::~SoundPlayback() {
  {
    std::lock_guard guard(lock_);
    stopping_ = true;
  }
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();
}

bool SoundPlayback::Open(const MediaType& type) {
  if (!output_ || thread_.joinable()) return false;
  AudioFormat wanted;
  wanted.sample_rate = static_cast<int>(std::min<uint32_t>(type.sample_rate, 192000));
  wanted.channels = std::clamp<int>(type.channels, 1, 2);
  wanted.sample_format = SampleFormat::kS16;
  if (wanted.sample_rate <= 0) wanted.sample_rate = 48000;
  const std::optional<AudioFormat> device = output_->Open(wanted);
  if (!device || !decoder_.Open(type, *device)) return false;
  bytes_per_frame_ = device->BytesPerFrame();
  {
    std::lock_guard guard(lock_);
    timeline_.Reset(0);
    ApplyGainLocked();
  }
  thread_ = std::thread([this] { Loop(); });
  return true;
}

void SoundPlayback::Hold() {
  std::unique_lock guard(lock_);
  held_ = true;
  idle_.wait(guard, [this] { return !busy_; });
}

void SoundPlayback::Restart(int64_t position) {
  std::lock_guard guard(lock_);
  pending_.clear();
  pending_offset_ = 0;
  decoder_.Reset();
  output_->Flush();
  timeline_.Reset(position);
  skip_before_ = position;
  ended_ = false;
}

void SoundPlayback::Release() {
  {
    std::lock_guard guard(lock_);
    held_ = false;
  }
  wake_.notify_all();
}

void SoundPlayback::Start(double rate) {
  {
    std::lock_guard guard(lock_);
    rate_ = rate;
    running_ = true;
    ApplyGainLocked();
    output_->Resume();
  }
  wake_.notify_all();
}

void SoundPlayback::Pause() {
  std::lock_guard guard(lock_);
  running_ = false;
  output_->Pause();
}

void SoundPlayback::SetRate(double rate) {
  std::lock_guard guard(lock_);
  rate_ = rate;
  ApplyGainLocked();
}

void SoundPlayback::SetGain(float gain) {
  std::lock_guard guard(lock_);
  gain_ = gain;
  ApplyGainLocked();
}

void SoundPlayback::ApplyGainLocked() { output_->SetGain(rate_ == 1.0 ? gain_ : 0.0f); }

std::optional<int64_t> SoundPlayback::Position() const {
  std::lock_guard guard(lock_);
  const int64_t played = output_->FramesPlayed();
  if (ended_ && pending_.empty() && played >= timeline_.written()) return std::nullopt;
  return timeline_.PositionAt(played);
}

void SoundPlayback::DecodeNext(std::unique_lock<std::mutex>& guard) {
  busy_ = true;
  const double rate = rate_;
  const int64_t skip_before = skip_before_;
  guard.unlock();
  decoder_.SetRate(rate);
  std::vector<SoundChunk> chunks;
  const std::optional<MediaPacket> packet = splitter_.NextPacket(pin_);
  if (packet) decoder_.Decode(*packet, &chunks);
  guard.lock();
  busy_ = false;
  idle_.notify_all();
  if (!packet) {
    ended_ = true;
    return;
  }
  for (SoundChunk& chunk : chunks) {
    SkipBefore(skip_before, &chunk);
    if (chunk.frames > 0) pending_.push_back(std::move(chunk));
  }
}

bool SoundPlayback::WritePending() {
  SoundChunk& chunk = pending_.front();
  const auto left = static_cast<size_t>(chunk.frames) - pending_offset_;
  const size_t taken =
      output_->Write(chunk.bytes.data() + pending_offset_ * bytes_per_frame_, left);
  if (taken > 0) {
    timeline_.Append(chunk.time + static_cast<int64_t>(static_cast<double>(pending_offset_) *
                                                       chunk.units_per_frame),
                     chunk.units_per_frame, static_cast<int64_t>(taken));
    timeline_.Trim(output_->FramesPlayed());
    pending_offset_ += taken;
  }
  if (pending_offset_ >= static_cast<size_t>(chunk.frames)) {
    pending_.pop_front();
    pending_offset_ = 0;
  }
  return taken > 0;
}

void SoundPlayback::Loop() {
  std::unique_lock guard(lock_);
  while (true) {
    wake_.wait(guard, [this] { return stopping_ || (!held_ && (!pending_.empty() || !ended_)); });
    if (stopping_) return;
    if (pending_.empty()) {
      DecodeNext(guard);
      continue;
    }
    if (WritePending()) continue;
    // The device is full: it makes room as it plays, and not at all while paused.
    if (running_) {
      wake_.wait_for(guard, kFeedTick);
    } else {
      wake_.wait(guard);
    }
  }
}

}  // namespace vantrel
