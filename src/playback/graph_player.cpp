#include "playback/graph_player.h"

#include <algorithm>
#include <cmath>

#include "playback/decoder_settings.h"
#include "playback/graph_codes.h"
#include "playback/volume_level.h"

namespace vantrel {
namespace {

constexpr char kSplitterName[] = "QXStreamParseFilter";
constexpr char kSoundRendererName[] = "DirectSound Audio Renderer";
constexpr char kAacDecoderOneChannel[] = "COREAAC AUDIO";
constexpr char kAacDecoderMultiChannel[] = "CoreAAC Decoder";
constexpr float kMinRate = 0.5f;
constexpr float kMaxRate = 2.0f;
// An audio pin whose first media type is PCM counts this much in the audio decision.
constexpr int kPcmWeight = 1000;

std::string Numbered(const char* prefix, int channel) { return prefix + std::to_string(channel); }

// 1 for each pin named with "Audio", 1000 more for each of those that carries PCM.
int AudioDecision(const std::vector<OutputPin>& pins) {
  int sum = 0;
  for (const OutputPin& pin : pins) {
    if (pin.name.find("Audio") == std::string::npos) continue;
    sum += 1;
    if (pin.type.subtype == MediaSubtype::kPcm) sum += kPcmWeight;
  }
  return sum;
}

std::vector<GraphPin> SplitterPins(const std::vector<OutputPin>& pins) {
  std::vector<GraphPin> graph_pins;
  for (const OutputPin& pin : pins) graph_pins.push_back(GraphPin{pin.name, true, pin.type, {}});
  return graph_pins;
}

}  // namespace

GraphPlayer::GraphPlayer(GraphComponents& components, int channel_count,
                         const ChannelWindows& windows, TimeSource now)
    : components_(components),
      now_(std::move(now)),
      channel_count_(std::clamp(channel_count, 1, kMaxChannels)),
      windows_(windows) {}

GraphPlayer::~GraphPlayer() {
  windows_.fill(nullptr);
  Teardown();
}

int32_t GraphPlayer::AddFilter(FilterRole role, const std::string& name) {
  if (!graph_) return kNullPointer;
  if (int32_t code = components_.CreateFilter(role); code != kGraphOk) return code;
  return graph_->AddFilter(name, role, StandardPins(role)) ? kGraphOk : kFail;
}

int32_t GraphPlayer::BuildGraph(const std::string& path, intptr_t card_device, int32_t card_value) {
  if (built_) Teardown();
  if (path.empty()) return kBuildFailed;
  splitter_.reset();
  // The whole path is kept: a shortened one would open some other file, or none.
  file_name_ = path;

  if (int32_t code = components_.CreateGraph(); code != kGraphOk) return code;
  graph_ = std::make_unique<FilterGraph>(components_);
  if (int32_t code = components_.CreateSplitter(&splitter_); code != kGraphOk) return code;
  if (!splitter_) return kNotConfigured;
  splitter_->SetParseMode(splitter_mode_);
  splitter_->SetCardSource(card_device, card_value);
  if (!splitter_->Load(path)) return kBuildFailed;

  const std::vector<OutputPin> pins = splitter_->Pins();
  graph_->AddFilter(kSplitterName, FilterRole::kSplitter, SplitterPins(pins));
  video_pin_count_ = static_cast<int>(std::count_if(pins.begin(), pins.end(), [](const auto& pin) {
    return pin.name.find("Video") != std::string::npos;
  }));

  if (video_pin_count_ == 1) {
    if (int32_t code = AddAudioFilters(true, &audio_); code != kGraphOk) return code;
    if (int32_t code = AddChannel(1, true); code != kGraphOk) return code;
    if (int32_t code = ConfigureRenderer(1); code != kGraphOk) return code;
    ConnectAudio(audio_);
    ConnectChannel(1);
  } else if (video_pin_count_ >= 2) {
    if (int32_t code = AddAudioFilters(false, &audio_); code != kGraphOk) return code;
    ConnectAudio(audio_);
    for (int k = 1; k <= kMaxChannels; ++k) {
      if (channel_count_ < k || video_pin_count_ < k) continue;
      if (int32_t code = AddChannel(k, false); code != kGraphOk) return code;
      if (int32_t code = ConfigureRenderer(k); code != kGraphOk) return code;
      ConnectChannel(k);
    }
  }
  // A recording without video is cued too, so that Run plays its time line.
  Cue();
  Duration();
  return kGraphOk;
}

int32_t GraphPlayer::AddAudioFilters(bool one_channel, AudioFilters* audio) {
  *audio = {};
  const int decision = AudioDecision(splitter_->Pins());
  if (decision == 0) return kGraphOk;
  if (decision < kPcmWeight) {
    const std::string name = one_channel ? kAacDecoderOneChannel : kAacDecoderMultiChannel;
    if (int32_t code = AddFilter(FilterRole::kAacDecoder, name); code != kGraphOk) return code;
    audio->decoder = name;
  }
  // Without a sound renderer the recording plays silently.
  if (AddFilter(FilterRole::kSoundRenderer, kSoundRendererName) == kGraphOk) {
    audio->renderer = kSoundRendererName;
  }
  return kGraphOk;
}

void GraphPlayer::ConnectAudio(const AudioFilters& audio) {
  if (audio.renderer.empty()) return;
  if (audio.decoder.empty()) {
    graph_->ConnectFilters(kSplitterName, audio.renderer);
    return;
  }
  graph_->ConnectFilters(kSplitterName, audio.decoder);
  graph_->ConnectFilters(audio.decoder, audio.renderer);
}

int32_t GraphPlayer::AddChannel(int channel, bool one_channel) {
  ChannelFilters names;
  names.decoder = Numbered("FFDShow Decoder", channel);
  if (brightness_filter_) names.brightness = Numbered("Brevanta Brightness ", channel);
  names.converter = Numbered("Color Space Convertor ", channel);
  names.renderer =
      one_channel ? std::string("Mixing Renderer9") : Numbered("Mixing Renderer9-", channel);
  ChannelFilters& added = channels_[channel - 1];
  const std::pair<FilterRole, std::string ChannelFilters::*> steps[] = {
      {FilterRole::kVideoDecoder, &ChannelFilters::decoder},
      {FilterRole::kBrightness, &ChannelFilters::brightness},
      {FilterRole::kColourConverter, &ChannelFilters::converter},
      {FilterRole::kVideoRenderer, &ChannelFilters::renderer},
  };
  for (const auto& [role, member] : steps) {
    const std::string& name = names.*member;
    if (name.empty()) continue;
    if (int32_t code = AddFilter(role, name); code != kGraphOk) return code;
    added.*member = name;
  }
  return kGraphOk;
}

void GraphPlayer::ConnectChannel(int channel) {
  const ChannelFilters& names = channels_[channel - 1];
  graph_->ConnectFilters(kSplitterName, names.decoder);
  const std::string& after_decoder = names.brightness.empty() ? names.converter : names.brightness;
  graph_->ConnectFilters(names.decoder, after_decoder);
  if (!names.brightness.empty()) graph_->ConnectFilters(names.brightness, names.converter);
  graph_->ConnectFilters(names.converter, names.renderer);
}

int32_t GraphPlayer::ConfigureRenderer(int channel) {
  // The renderer draws into its window, stretched to the whole client area.
  if (windows_[channel - 1] == nullptr) return kNullPointer;
  duration_cache_ = 0;
  return kGraphOk;
}

EngineLayout GraphPlayer::Layout() const {
  EngineLayout layout;
  const GraphFilter* splitter = graph_->Find(kSplitterName);
  // The splitter pin that feeds a filter's first input, when it does so directly.
  auto fed_by_splitter = [&](const std::string& name) -> std::optional<size_t> {
    const GraphFilter* filter = graph_->Find(name);
    if (splitter == nullptr || filter == nullptr || filter->pins.empty()) return std::nullopt;
    const auto& peer = filter->pins[0].peer;
    if (!peer || peer->filter != splitter->name) return std::nullopt;
    return peer->pin;
  };
  auto joined = [&](const std::string& name) {
    const GraphFilter* filter = graph_->Find(name);
    return filter != nullptr && !filter->pins.empty() && filter->pins[0].peer.has_value();
  };
  for (int k = 0; k < kMaxChannels; ++k) {
    const ChannelFilters& names = channels_[k];
    if (names.decoder.empty()) continue;
    std::optional<size_t> pin = fed_by_splitter(names.decoder);
    if (!pin || !joined(names.converter) || !joined(names.renderer)) continue;
    if (!names.brightness.empty() && !joined(names.brightness)) continue;
    layout.video[k] = VideoChain{*pin, windows_[k]};
  }
  if (!audio_.renderer.empty()) {
    if (audio_.decoder.empty()) {
      if (auto pin = fed_by_splitter(audio_.renderer)) layout.audio = AudioChain{*pin, false};
    } else if (auto pin = fed_by_splitter(audio_.decoder); pin && joined(audio_.renderer)) {
      layout.audio = AudioChain{*pin, true};
    }
  }
  return layout;
}

void GraphPlayer::Cue() {
  EngineLayout layout = Layout();
  std::unique_ptr<AudioOutput> sound = layout.audio ? components_.CreateAudioOutput() : nullptr;
  engine_ = std::make_unique<PlaybackEngine>(*splitter_, std::move(layout), now_, std::move(sound));
  state_ = PlaybackState::kStopped;
  built_ = true;
}

void GraphPlayer::Teardown() {
  if (!graph_) return;
  state_ = PlaybackState::kStopped;
  // The engine reads from the splitter, so it goes first.
  engine_.reset();
  graph_.reset();
  splitter_.reset();
  channels_ = {};
  audio_ = {};
  built_ = false;
}

std::vector<std::string> GraphPlayer::RoleNames() const {
  return graph_ ? graph_->FilterNames() : std::vector<std::string>{};
}

int32_t GraphPlayer::Run() {
  if (!configured_) return kNotConfigured;
  if (state_ != PlaybackState::kPaused && state_ != PlaybackState::kStopped) return kWrongState;
  if (!engine_) return kNullPointer;
  if (Position() == Duration()) SetPosition(0);
  if (rate_ != 1.0f) {
    // A rate that is not a number cannot be clamped; it plays at normal speed.
    rate_ = std::isnan(rate_) ? 1.0f : std::clamp(rate_, kMinRate, kMaxRate);
  }
  engine_->SetRate(rate_);
  engine_->Run();
  state_ = PlaybackState::kRunning;
  engine_->SetBalance(0);
  return kGraphOk;
}

int32_t GraphPlayer::Pause() {
  if (!configured_) return kNotConfigured;
  if (state_ != PlaybackState::kRunning) return kGraphOk;
  engine_->Pause();
  state_ = PlaybackState::kPaused;
  return kGraphOk;
}

int32_t GraphPlayer::Stop() {
  if (!configured_) return kNotConfigured;
  if (state_ != PlaybackState::kRunning && state_ != PlaybackState::kPaused) return kWrongState;
  engine_->Stop();
  state_ = PlaybackState::kStopped;
  return kGraphOk;
}

void GraphPlayer::SetPlaybackRate(float rate) {
  const PlaybackState before = state_;
  Pause();
  rate_ = rate;
  if (before == PlaybackState::kRunning) Run();
}

bool GraphPlayer::SetPosition(int64_t position) {
  return engine_ != nullptr && engine_->SetPosition(position);
}

bool GraphPlayer::RequestPosition(int64_t position, SeekPrecision precision) {
  if (!engine_) return false;
  engine_->RequestPosition(position, precision);
  return true;
}

int64_t GraphPlayer::Position() const { return engine_ ? engine_->Position() : 0; }

int64_t GraphPlayer::Duration() {
  if (duration_cache_ == 0 && engine_) duration_cache_ = engine_->Duration();
  return duration_cache_;
}

bool GraphPlayer::SetVolumeLevel(int level) {
  if (!engine_) return false;
  const int32_t attenuation = muted_ ? kSilentVolume : VolumeAttenuation(level);
  return engine_->SetVolume(attenuation) == kGraphOk;
}

void GraphPlayer::SetDecoderParameter(int channel, int id, int value) {
  if (channel < 1 || channel > kMaxChannels || channels_[channel - 1].decoder.empty()) return;
  engine_->PutDecoderParameter(channel, id, value);
}

void GraphPlayer::SetRearMirror(bool on) {
  SetDecoderParameter(2, kParamOrientationEnabled, 1);
  SetDecoderParameter(2, kParamMirror, on ? 1 : 0);
}

bool GraphPlayer::HasRenderer(int channel) const {
  return channel >= 1 && channel <= kMaxChannels && !channels_[channel - 1].renderer.empty();
}

int32_t GraphPlayer::RepaintVideo(int channel) {
  if (!HasRenderer(channel) || !engine_) return kNullPointer;
  engine_->RepaintChannel(channel);
  return kGraphOk;
}

int32_t GraphPlayer::RefreshVideoWindows() {
  int32_t result = kGraphOk;
  for (int k = 1; k <= kMaxChannels; ++k) {
    if (channel_count_ >= k && video_pin_count_ >= k && HasRenderer(k)) result = RepaintVideo(k);
  }
  return result;
}

bool GraphPlayer::CaptureChannelImage(int index, ChannelImage* image) const {
  if (index < 0 || index >= kMaxChannels || image == nullptr) return false;
  if (channels_[index].renderer.empty() || channel_count_ < index + 1) return false;
  return engine_ != nullptr && engine_->CaptureImage(index + 1, image);
}

int GraphPlayer::FetchTelemetryPacket(uint8_t* buffer, int32_t* size, uint32_t* time_stamp) {
  return splitter_ ? splitter_->FetchTelemetryPacket(buffer, size, time_stamp) : kSplitterNotOpen;
}

}  // namespace vantrel
