#include "playback/media_graph.h"

#include "playback/graph_codes.h"
#include "playback/media_time.h"
#include "playback/stream_splitter.h"

namespace vantrel {

MediaGraph::MediaGraph(GraphComponents& components, platform::SettingsStore* machine_registry,
                       TimeSource now)
    : components_(components), now_(std::move(now)) {
  if (machine_registry == nullptr) return;
  if (auto key = machine_registry->CreateKey(kMachineKeyPath)) {
    machine_registry->SetDword(*key, kUsingDShowValue, 1);
    machine_registry->CloseKey(*key);
  }
}

std::unique_ptr<GraphPlayer> MediaGraph::NewPlayer() const {
  auto player = std::make_unique<GraphPlayer>(components_, channel_count_, windows_, now_);
  player->set_configured(true);
  player->set_muted(false);
  player->set_brightness_filter(brightness_filter_);
  player->set_splitter_mode(splitter_mode_);
  return player;
}

void MediaGraph::AttachWindows(VideoSink* front, VideoSink* rear) {
  channel_count_ = 2;
  windows_ = {front, rear, nullptr, nullptr};
  for (int k = 0; k < kMaxChannels; ++k) {
    rects_[k] = windows_[k] != nullptr ? windows_[k]->ClientRect() : SinkRect{};
  }
  if (!player_) {
    player_ = NewPlayer();
    player_->set_brightness_filter(false);
    player_->set_splitter_mode(1);
  }
}

bool MediaGraph::OpenRecording(const std::string& path, intptr_t card_device, int32_t card_value) {
  if (windows_[0] == nullptr || path.empty()) return false;
  if (player_) {
    player_->Stop();
    player_.reset();
  }
  player_ = NewPlayer();
  if (player_->BuildGraph(path, card_device, card_value) != kGraphOk) {
    CloseRecording();
    return false;
  }
  return true;
}

bool MediaGraph::CloseRecording() {
  player_.reset();
  rects_ = {};
  return true;
}

int32_t MediaGraph::Run() { return player_ ? player_->Run() : kNotConfigured; }
int32_t MediaGraph::Pause() { return player_ ? player_->Pause() : kNotConfigured; }
int32_t MediaGraph::Stop() { return player_ ? player_->Stop() : kNotConfigured; }

bool MediaGraph::SetPlaybackRate(float rate) {
  if (!player_) return false;
  player_->SetPlaybackRate(rate);
  return true;
}

bool MediaGraph::Seek(int milliseconds) {
  return SetPosition(static_cast<int64_t>(milliseconds) * kUnitsPerMillisecond);
}

bool MediaGraph::SetPosition(int64_t position) {
  return player_ ? player_->SetPosition(position) : true;
}

bool MediaGraph::RequestPosition(int64_t position, SeekPrecision precision) {
  return player_ ? player_->RequestPosition(position, precision) : true;
}

int64_t MediaGraph::Position() const { return player_ ? player_->Position() : 0; }
int MediaGraph::PositionMs() const { return static_cast<int>(Position() / kUnitsPerMillisecond); }
int64_t MediaGraph::Duration() { return player_ ? player_->Duration() : 0; }
int MediaGraph::DurationMs() { return static_cast<int>(Duration() / kUnitsPerMillisecond); }

bool MediaGraph::SetVolumeLevel(int level) {
  return player_ ? player_->SetVolumeLevel(level) : true;
}

bool MediaGraph::CaptureChannelImage(int index, ChannelImage* image) const {
  return player_ ? player_->CaptureChannelImage(index, image) : true;
}

int32_t MediaGraph::RefreshVideoWindows() {
  for (int k = 0; k < kMaxChannels; ++k) {
    if (windows_[k] != nullptr) rects_[k] = windows_[k]->ClientRect();
  }
  return player_ ? player_->RefreshVideoWindows() : kGraphOk;
}

int32_t MediaGraph::RepaintFrontVideo() {
  if (!player_ || !player_->HasRenderer(1)) return kGraphOk;
  return player_->RepaintVideo(1);
}

void MediaGraph::SetRearMirror(bool on) {
  if (player_) player_->SetRearMirror(on);
}

void MediaGraph::SetDecoderParameter(int channel, int id, int value) {
  if (player_) player_->SetDecoderParameter(channel, id, value);
}

int MediaGraph::FetchTelemetryPacket(uint8_t* buffer, int32_t* size, uint32_t* time_stamp) {
  return player_ ? player_->FetchTelemetryPacket(buffer, size, time_stamp) : kSplitterNotOpen;
}

PlaybackState MediaGraph::state() const {
  return player_ ? player_->state() : PlaybackState::kNone;
}

int MediaGraph::VideoPinCount() const { return player_ ? player_->video_pin_count() : 0; }

void MediaGraph::set_splitter_mode(uint8_t mode) {
  splitter_mode_ = mode;
  if (player_) player_->set_splitter_mode(mode);
}

}  // namespace vantrel
