#include "playback/playback_engine.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "playback/graph_codes.h"
#include "playback/volume_level.h"

namespace vantrel {
namespace {
constexpr int32_t kSilence = -10000;
constexpr int32_t kBalanceLimit = 10000;
// How often the playback thread looks at the clock: well under a frame period at twice the
// normal speed, so a picture is shown at most this late.
constexpr auto kPresentTick = std::chrono::milliseconds(4);
}  // namespace

PlaybackEngine::PlaybackEngine(SplitterFilter& splitter, EngineLayout layout, TimeSource now,
                               std::unique_ptr<AudioOutput> sound)
    : splitter_(splitter), layout_(std::move(layout)), clock_(std::move(now)) {
  const std::vector<OutputPin> pins = splitter_.Pins();
  for (int k = 0; k < kMaxChannels; ++k) {
    const auto& chain = layout_.video[k];
    if (!chain || chain->pin >= pins.size()) continue;
    auto stream = std::make_unique<ChannelStream>(splitter_, chain->pin);
    if (stream->Open(pins[chain->pin].type)) channels_[k].stream = std::move(stream);
  }
  const auto& audio = layout_.audio;
  if (sound && audio && audio->pin < pins.size()) {
    sound_ = std::make_unique<SoundPlayback>(splitter_, audio->pin, std::move(sound));
    if (!sound_->Open(pins[audio->pin].type)) sound_.reset();
  }
}

PlaybackEngine::~PlaybackEngine() {
  {
    std::lock_guard guard(seek_lock_);
    seek_stopping_ = true;
  }
  seek_wake_.notify_all();
  if (seeker_.joinable()) seeker_.join();
  {
    std::lock_guard guard(lock_);
    stopping_ = true;
  }
  wake_.notify_all();
  if (player_.joinable()) player_.join();
  // Each worker lets go of its stream before the stream goes.
  for (Channel& channel : channels_) channel.worker.reset();
}

void PlaybackEngine::StartThreads() {
  {
    std::lock_guard decoding(decode_lock_);
    for (int k = 0; k < kMaxChannels; ++k) {
      Channel& channel = channels_[k];
      if (!channel.stream || channel.worker) continue;
      channel.worker = std::make_unique<ChannelWorker>(
          *channel.stream, layout_.video[k]->sink, [this, k] { return SettingsOf(k); },
          [this] { return CatchUpClock(); });
    }
  }
  std::lock_guard guard(lock_);
  if (!player_.joinable()) player_ = std::thread([this] { PlayLoop(); });
}

void PlaybackEngine::PlayLoop() {
  std::unique_lock guard(lock_);
  while (!stopping_) {
    if (!clock_.running()) {
      wake_.wait(guard, [this] { return stopping_ || clock_.running(); });
      continue;
    }
    bool from_sound = false;
    const int64_t position = PositionLocked(&from_sound);
    const uint64_t moves = clock_moves_;
    // When the sound runs out, the monotonic clock carries on from where the sound was.
    if (from_sound) clock_.Set(position);
    guard.unlock();
    {
      std::lock_guard decoding(decode_lock_);
      // A pause or a seek that came in between has the say: nothing is shown for the time read
      // before it.
      bool current = false;
      {
        std::lock_guard check(lock_);
        current = clock_.running() && clock_moves_ == moves && !pictures_pending_;
      }
      if (current) PresentDue(position, from_sound);
    }
    guard.lock();
    wake_.wait_for(guard, kPresentTick, [this] { return stopping_; });
  }
}

void PlaybackEngine::PresentDue(int64_t position, bool from_sound) {
  bool presented = false;
  for (int k = 0; k < kMaxChannels; ++k) {
    if (!channels_[k].worker) continue;
    if (auto picture = channels_[k].worker->TakeDue(position, &dropped_)) {
      if (from_sound) {
        sync_.sound_clock = true;
        sync_.picture_to_sound =
            std::max(sync_.picture_to_sound, std::abs(position - picture->time));
      }
      ShowQueuedLocked(k, std::move(*picture));
      presented = true;
    }
  }
  if (!presented) return;
  int64_t earliest = INT64_MAX;
  int64_t latest = INT64_MIN;
  for (const Channel& channel : channels_) {
    if (!channel.worker || !channel.shown_frame) continue;
    earliest = std::min(earliest, channel.shown_time);
    latest = std::max(latest, channel.shown_time);
  }
  if (earliest <= latest)
    sync_.between_channels = std::max(sync_.between_channels, latest - earliest);
}

SyncFigures PlaybackEngine::sync_figures() const {
  std::lock_guard decoding(decode_lock_);
  return sync_;
}

void PlaybackEngine::Run() {
  StartThreads();
  {
    std::lock_guard guard(lock_);
    clock_.Start(rate_);
    if (sound_) sound_->Start(rate_);
  }
  wake_.notify_all();
}

void PlaybackEngine::Pause() {
  {
    std::lock_guard guard(lock_);
    clock_.Pause();
    if (sound_) {
      sound_->Pause();
      // Paused, both clocks stand where the sound stopped.
      if (const std::optional<int64_t> heard = sound_->Position()) clock_.Set(*heard);
    }
  }
  // A picture being presented as the pause came is on the screen before Pause returns.
  std::lock_guard decoding(decode_lock_);
}

void PlaybackEngine::Stop() { Pause(); }

void PlaybackEngine::SetRate(double rate) {
  int64_t position = 0;
  bool changed = false;
  {
    std::lock_guard guard(lock_);
    changed = rate != rate_;
    rate_ = rate;
    if (clock_.running()) clock_.Start(rate_);
    if (!sound_) return;
    sound_->SetRate(rate_);
    bool from_sound = false;
    position = PositionLocked(&from_sound);
  }
  // The sound already queued would keep the old pace for a moment, and the pictures with it:
  // the sound starts again from here at the new speed.
  if (changed) RequestPosition(position, SeekPrecision::kExact);
}

uint64_t PlaybackEngine::MoveClock(int64_t position) {
  // The sound is emptied out first, so that its clock stands at the new place from here on.
  if (sound_) {
    sound_->Hold();
    sound_->Restart(position);
  }
  std::lock_guard guard(lock_);
  clock_.Set(position);
  pictures_pending_ = true;
  return ++clock_moves_;
}

bool PlaybackEngine::SetPosition(int64_t position) {
  const uint64_t moves = MoveClock(position);
  {
    std::lock_guard guard(seek_lock_);
    pending_seek_.reset();  // older than this one
  }
  SeekPictures({position, SeekPrecision::kExact, moves});
  return true;
}

void PlaybackEngine::RequestPosition(int64_t position, SeekPrecision precision) {
  const uint64_t moves = MoveClock(position);
  {
    std::lock_guard guard(seek_lock_);
    pending_seek_ = PendingSeek{position, precision, moves};
    if (!seeker_.joinable()) seeker_ = std::thread([this] { SeekLoop(); });
  }
  seek_wake_.notify_all();
}

void PlaybackEngine::SeekLoop() {
  std::unique_lock guard(seek_lock_);
  while (true) {
    seek_wake_.wait(guard, [this] { return seek_stopping_ || pending_seek_.has_value(); });
    if (seek_stopping_) return;
    const PendingSeek seek = *pending_seek_;
    pending_seek_.reset();
    guard.unlock();
    SeekPictures(seek);
    guard.lock();
  }
}

void PlaybackEngine::SeekPictures(const PendingSeek& seek) {
  std::lock_guard decoding(decode_lock_);
  {
    // A newer seek moved the clock since: its own pictures and release follow.
    std::lock_guard guard(lock_);
    if (clock_moves_ != seek.moves) return;
  }
  // Before the start the first picture shows.
  const int64_t target = std::max<int64_t>(seek.position, 0);
  for (Channel& channel : channels_) {
    if (channel.worker) channel.worker->Hold();
  }
  // The splitter moves also when no video is decoded: its telemetry follows the position.
  if (splitter_.Seek(target)) {
    for (int k = 0; k < kMaxChannels; ++k) {
      ChannelStream* stream = channels_[k].stream.get();
      if (!stream) continue;
      stream->Reset();
      channels_[k].shown_frame.reset();
      const bool shown = seek.precision == SeekPrecision::kKeyFrame
                             ? stream->Advance()
                             : stream->DecodeUpTo(target) > 0;
      if (shown) ShowLocked(k, *stream->current(), stream->current_time());
    }
  }
  // Whatever was decoded ahead belongs to the old place.
  for (Channel& channel : channels_) {
    if (channel.worker) channel.worker->Release();
  }
  {
    std::lock_guard guard(lock_);
    if (clock_moves_ == seek.moves) pictures_pending_ = false;
  }
  if (sound_) sound_->Release();
}

void PlaybackEngine::Repaint() {
  std::lock_guard decoding(decode_lock_);
  for (int k = 0; k < kMaxChannels; ++k) PresentLocked(k);
}

bool PlaybackEngine::RepaintChannel(int channel) {
  if (!HasChannel(channel)) return false;
  std::lock_guard decoding(decode_lock_);
  PresentLocked(channel - 1);
  return true;
}

uint64_t PlaybackEngine::presented() const {
  std::lock_guard decoding(decode_lock_);
  return presented_;
}

uint64_t PlaybackEngine::dropped() const {
  std::lock_guard decoding(decode_lock_);
  return dropped_;
}

uint64_t PlaybackEngine::skipped() const {
  std::lock_guard decoding(decode_lock_);
  uint64_t skipped = 0;
  for (const Channel& channel : channels_) {
    if (channel.worker) skipped += channel.worker->skipped();
  }
  return skipped;
}

void PlaybackEngine::set_catch_up(bool on) {
  std::lock_guard guard(lock_);
  catch_up_ = on;
}

std::optional<int64_t> PlaybackEngine::CatchUpClock() const {
  std::lock_guard guard(lock_);
  if (!catch_up_ || pictures_pending_) return std::nullopt;
  bool from_sound = false;
  return PositionLocked(&from_sound);
}

DecoderSettings PlaybackEngine::SettingsOf(int index) const {
  std::lock_guard guard(lock_);
  return settings_[index];
}

void PlaybackEngine::ShowLocked(int index, const AVFrame& frame, int64_t time) {
  Channel& channel = channels_[index];
  if (!channel.shown_frame) channel.shown_frame.reset(av_frame_alloc());
  if (!channel.shown_frame) return;
  av_frame_unref(channel.shown_frame.get());
  if (av_frame_ref(channel.shown_frame.get(), &frame) < 0) {
    channel.shown_frame.reset();
    return;
  }
  channel.shown_time = time;
  PresentLocked(index);
}

void PlaybackEngine::ShowQueuedLocked(int index, QueuedPicture picture) {
  Channel& channel = channels_[index];
  VideoSink* sink = layout_.video[index]->sink;
  const SinkRect rect = sink != nullptr ? sink->ClientRect() : SinkRect{};
  if (sink == nullptr || picture.width == 0 || picture.width != rect.width ||
      picture.height != rect.height || !(picture.settings == SettingsOf(index))) {
    ShowLocked(index, *picture.frame, picture.time);
    return;
  }
  channel.shown_frame = std::move(picture.frame);
  channel.shown_time = picture.time;
  channel.worker->Recycle(std::exchange(channel.shown, std::move(picture.pixels)));
  const int stride = rect.width * 4;
  sink->Present(SinkPicture{channel.shown.data(), rect.width, rect.height, stride, picture.time});
  ++presented_;
}

void PlaybackEngine::PresentLocked(int index) {
  Channel& channel = channels_[index];
  if (!layout_.video[index]) return;
  VideoSink* sink = layout_.video[index]->sink;
  const AVFrame* frame = channel.shown_frame.get();
  if (sink == nullptr || frame == nullptr) return;
  const SinkRect rect = sink->ClientRect();
  if (rect.width <= 0 || rect.height <= 0 || rect.width > kMaxPictureSide ||
      rect.height > kMaxPictureSide) {
    return;
  }
  const int stride = rect.width * 4;
  channel.shown.resize(static_cast<size_t>(stride) * rect.height);
  if (!channel.converter.Convert(*frame, SettingsOf(index), rect.width, rect.height,
                                 channel.shown.data(), stride)) {
    return;
  }
  sink->Present(
      SinkPicture{channel.shown.data(), rect.width, rect.height, stride, channel.shown_time});
  ++presented_;
}

int64_t PlaybackEngine::PositionLocked(bool* from_sound) const {
  const int64_t limit = splitter_.Duration();
  if (sound_) {
    if (const std::optional<int64_t> heard = sound_->Position()) {
      *from_sound = true;
      return std::min(*heard, limit);
    }
  }
  *from_sound = false;
  return clock_.Position(limit);
}

int64_t PlaybackEngine::Position() const {
  std::lock_guard guard(lock_);
  bool from_sound = false;
  return PositionLocked(&from_sound);
}

int64_t PlaybackEngine::Duration() const { return splitter_.Duration(); }

int32_t PlaybackEngine::SetVolume(int32_t attenuation) {
  if (attenuation < kSilence || attenuation > 0) return kInvalidArgument;
  std::lock_guard guard(lock_);
  volume_ = attenuation;
  if (sound_) sound_->SetGain(GainFromAttenuation(attenuation));
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
  {
    std::lock_guard guard(lock_);
    if (!settings_[channel - 1].Put(id, value)) return false;
  }
  // A paused picture shows the change at once.
  std::lock_guard decoding(decode_lock_);
  PresentLocked(channel - 1);
  return true;
}

std::optional<DecoderSettings> PlaybackEngine::decoder_settings(int channel) const {
  if (!HasChannel(channel)) return std::nullopt;
  std::lock_guard guard(lock_);
  return settings_[channel - 1];
}

bool PlaybackEngine::CaptureImage(int channel, ChannelImage* image) const {
  if (!HasChannel(channel) || image == nullptr) return false;
  const DecoderSettings settings = SettingsOf(channel - 1);
  std::lock_guard decoding(decode_lock_);
  const Channel& source = channels_[channel - 1];
  const AVFrame* frame = source.shown_frame.get();
  if (frame == nullptr || frame->width <= 0 || frame->height <= 0 ||
      frame->width > kMaxPictureSide || frame->height > kMaxPictureSide) {
    return false;
  }
  ChannelImage copy;
  copy.width = frame->width;
  copy.height = frame->height;
  copy.pixels.resize(static_cast<size_t>(frame->width) * frame->height * 4);
  PictureConverter converter;
  if (!converter.Convert(*frame, settings, copy.width, copy.height, copy.pixels.data(),
                         copy.width * 4)) {
    return false;
  }
  *image = std::move(copy);
  return true;
}

}  // namespace vantrel
