#include "playback/playback_engine.h"

#include "playback/graph_codes.h"

namespace vantrel {
namespace {
constexpr int32_t kSilence = -10000;
constexpr int32_t kBalanceLimit = 10000;
}  // namespace

PlaybackEngine::PlaybackEngine(SplitterFilter& splitter, EngineLayout layout, TimeSource now)
    : splitter_(splitter), layout_(std::move(layout)), clock_(std::move(now)) {}

void PlaybackEngine::Run() {
  std::lock_guard guard(lock_);
  clock_.Start(rate_);
}

void PlaybackEngine::Pause() {
  std::lock_guard guard(lock_);
  clock_.Pause();
}

void PlaybackEngine::Stop() {
  std::lock_guard guard(lock_);
  clock_.Pause();
}

void PlaybackEngine::SetRate(double rate) {
  std::lock_guard guard(lock_);
  rate_ = rate;
  if (clock_.running()) clock_.Start(rate_);
}

bool PlaybackEngine::SetPosition(int64_t position) {
  std::lock_guard guard(lock_);
  clock_.Set(position);
  return true;
}

int64_t PlaybackEngine::Position() const {
  std::lock_guard guard(lock_);
  return clock_.Position(splitter_.Duration());
}

int64_t PlaybackEngine::Duration() const { return splitter_.Duration(); }

int32_t PlaybackEngine::SetVolume(int32_t attenuation) {
  if (attenuation < kSilence || attenuation > 0) return kInvalidArgument;
  std::lock_guard guard(lock_);
  volume_ = attenuation;
  return kGraphOk;
}

int32_t PlaybackEngine::volume() const {
  std::lock_guard guard(lock_);
  return volume_;
}

int32_t PlaybackEngine::SetBalance(int32_t balance) {
  if (balance < -kBalanceLimit || balance > kBalanceLimit) return kInvalidArgument;
  std::lock_guard guard(lock_);
  balance_ = balance;
  return kGraphOk;
}

bool PlaybackEngine::HasChannel(int channel) const {
  return channel >= 1 && channel <= kMaxChannels && layout_.video[channel - 1].has_value();
}

bool PlaybackEngine::PutDecoderParameter(int channel, int id, int value) {
  if (!HasChannel(channel)) return false;
  std::lock_guard guard(lock_);
  return settings_[channel - 1].Put(id, value);
}

std::optional<DecoderSettings> PlaybackEngine::decoder_settings(int channel) const {
  if (!HasChannel(channel)) return std::nullopt;
  std::lock_guard guard(lock_);
  return settings_[channel - 1];
}

bool PlaybackEngine::CaptureImage(int channel, ChannelImage* image) const {
  // Pictures arrive with the decoders; until a channel has shown one there is nothing to copy.
  return false;
}

}  // namespace vantrel
