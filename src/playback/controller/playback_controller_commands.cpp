// The playback commands of the window's buttons, menu and keys, and its slider moves.
#include <algorithm>
#include <cstdint>

#include "playback/controller/playback_controller.h"
#include "playback/media_time.h"
#include "playback/slider_values.h"

namespace vantrel {
namespace {

constexpr int kSliderMiddle = 50;
constexpr int kSliderPage = 10;
constexpr int kSliderMax = 100;
constexpr int kLoudest = 99;
constexpr int kBrightnessSwitchParameter = 205;
constexpr int kBrightnessOffsetParameter = 202;

bool StoppedOrClosed(PlaybackState state) {
  return state == PlaybackState::kStopped || state == PlaybackState::kClosed;
}

// Milliseconds of a command as the graph's 100-ns units; before the start is the start.
int64_t Units(int64_t milliseconds) {
  return std::max<int64_t>(milliseconds, 0) * kUnitsPerMillisecond;
}

}  // namespace

void PlaybackController::Command(int command_id) {
  if (loading_) return;
  namespace id = playback_command;
  switch (command_id) {
    case id::kPlay:
      Play();
      break;
    case id::kPause:
      Pause();
      break;
    case id::kPlayPauseToggle:
      if (State() == PlaybackState::kRunning) {
        Pause();
      } else if (State() == PlaybackState::kPaused) {
        Play();
      }
      break;
    case id::kRewind:
      Rewind();
      break;
    case id::kFastForward:
      FastForward();
      break;
    case id::kPrev:
    case id::kMenuPrev:
      Prev();
      break;
    case id::kNext:
    case id::kMenuNext:
      Next();
      break;
    case id::kSpeedDefault:
    case id::kMenuSpeedDefault:
      SpeedDefault();
      break;
    case id::kFaster:
      SetSpeedSlider(std::min(speed_slider_ + kSliderPage, kSliderMax));
      break;
    case id::kSlower:
      SetSpeedSlider(std::max(speed_slider_ - kSliderPage, 0));
      break;
    case id::kBrightDefault:
    case id::kMenuBrightDefault:
      BrightDefault();
      break;
    case id::kBrighten:
      SetBrightnessSlider(std::min(brightness_slider_ + kSliderPage, kSliderMax));
      break;
    case id::kDarken:
      SetBrightnessSlider(std::max(brightness_slider_ - kSliderPage, 0));
      break;
    case id::kVolumeUp:
      StepVolume(1);
      break;
    case id::kVolumeDown:
      StepVolume(-1);
      break;
    case id::kMute:
    case id::kMenuMute:
      ToggleMute();
      break;
    case id::kFront:
      ChannelButton(kFrontMode);
      break;
    case id::kRear:
      ChannelButton(kRearMode);
      break;
    case id::kAllChannels:
      ChannelButton(kAllMode);
      break;
    default:
      break;
  }
}

void PlaybackController::SeekSliderReleased(int position) {
  if (loading_ || !graph_) return;
  graph_->RequestPosition(Units(position), SeekPrecision::kExact);
}

void PlaybackController::SliderMoved(int slider_id, int position) {
  if (loading_) return;
  const int small_position = std::clamp(position, 0, kSliderMax);
  switch (slider_id) {
    case kSeekSliderId:
      if (graph_) graph_->RequestPosition(Units(position), SeekPrecision::kKeyFrame);
      break;
    case kSpeedSliderId:
      SetSpeedSlider(small_position);
      break;
    case kBrightnessSliderId:
      SetBrightnessSlider(small_position);
      // A still picture shows the new brightness only when it is decoded again.
      if (State() == PlaybackState::kPaused) {
        graph_->RequestPosition(graph_->Position(), SeekPrecision::kExact);
      }
      break;
    case kVolumeSliderId:
      VolumeSliderMoved(small_position);
      break;
    default:
      break;
  }
}

void PlaybackController::Play() {
  const PlaybackState state = State();
  if (state == PlaybackState::kPaused) {
    ResumePlayback();
  } else if (state == PlaybackState::kStopped) {
    const int current = selection_.MarkedRow();
    if (current >= 0 && !CellText(list_, current, kPathColumn).empty()) StartLoader(current);
  }
}

void PlaybackController::Pause() {
  if (State() == PlaybackState::kRunning) PausePlayback();
}

void PlaybackController::Rewind() {
  if (State() != PlaybackState::kRunning) return;
  const int64_t step_ms = int64_t{options_.skip_step} * 1000;
  const int64_t target = std::max<int64_t>(graph_->PositionMs() - step_ms, 0);
  graph_->RequestPosition(Units(std::min<int64_t>(target, graph_->DurationMs())),
                          SeekPrecision::kExact);
  PlaybackTick();
}

void PlaybackController::FastForward() {
  if (State() != PlaybackState::kRunning) return;
  const int64_t step_ms = int64_t{options_.skip_step} * 1000;
  const int64_t duration = graph_->DurationMs();
  int64_t target = graph_->PositionMs() + step_ms;
  if (target >= duration) target = duration;  // the next tick ends the recording
  graph_->RequestPosition(Units(target), SeekPrecision::kExact);
  PlaybackTick();
}

void PlaybackController::Prev() {
  const int current = selection_.MarkedRow();
  if (current == 0) return;
  StopPlayback(false);
  if (list_.RowCount() == 0 || current < 0) {
    ResetView();
  } else {
    StartLoader(current - 1);
  }
}

void PlaybackController::Next() {
  const int current = selection_.MarkedRow();
  const int rows = list_.RowCount();
  if (current >= rows - 1) return;
  StopPlayback(false);
  if (rows == 0 || current < 0) {
    ResetView();
  } else {
    selection_.SelectRow(current + 1);
    selection_.ScrollToRow(current + 1);
    StartLoader(current + 1);
  }
}

void PlaybackController::SpeedDefault() {
  displayed_rate_ = 1.0f;
  view_.ShowRate(displayed_rate_);
  if (graph_ && !StoppedOrClosed(graph_->state())) graph_->SetPlaybackRate(1.0f);
  speed_slider_ = kSliderMiddle;
  view_.SetSliderPosition(kSpeedSliderId, speed_slider_);
}

void PlaybackController::SetSpeedSlider(int position) {
  speed_slider_ = position;
  view_.SetSliderPosition(kSpeedSliderId, speed_slider_);
  displayed_rate_ = RateFromSlider(position);
  view_.ShowRate(displayed_rate_);
  if (graph_ && !StoppedOrClosed(graph_->state())) graph_->SetPlaybackRate(displayed_rate_);
}

void PlaybackController::BrightDefault() {
  if (!StoppedOrClosed(State())) SendBrightness(0);
  brightness_slider_ = kSliderMiddle;
  view_.SetSliderPosition(kBrightnessSliderId, brightness_slider_);
}

void PlaybackController::SetBrightnessSlider(int position) {
  brightness_slider_ = position;
  view_.SetSliderPosition(kBrightnessSliderId, brightness_slider_);
  if (!StoppedOrClosed(State())) SendBrightness(BrightnessFromSlider(position));
}

void PlaybackController::SendBrightness(int offset) {
  if (!graph_) return;
  for (int channel = 1; channel <= 2; ++channel) {
    graph_->SetDecoderParameter(channel, kBrightnessSwitchParameter, 1);
    graph_->SetDecoderParameter(channel, kBrightnessOffsetParameter, offset);
  }
}

void PlaybackController::StepVolume(int delta) {
  if (muted_) Unmute();
  const int result = volume_slider_ + delta;
  if (result > kLoudest || result < 0) return;
  volume_slider_ = volume_level_ = result;
  view_.SetSliderPosition(kVolumeSliderId, volume_slider_);
  if (graph_) graph_->SetVolumeLevel(volume_level_);
}

void PlaybackController::VolumeSliderMoved(int position) {
  volume_slider_ = position;
  volume_level_ = std::clamp(position, 0, kLoudest);
  if (graph_ && !StoppedOrClosed(graph_->state())) graph_->SetVolumeLevel(volume_level_);
  if (muted_) {
    muted_ = false;
    view_.ShowMuted(false);
  }
}

void PlaybackController::ToggleMute() {
  if (muted_) {
    Unmute();
    return;
  }
  muted_ = true;
  volume_level_ = std::clamp(volume_slider_, 0, kLoudest);
  if (graph_) graph_->SetVolumeLevel(0);
  volume_slider_ = 0;
  view_.SetSliderPosition(kVolumeSliderId, 0);
  view_.ShowMuted(true);
}

void PlaybackController::Unmute() {
  muted_ = false;
  volume_slider_ = volume_level_;
  view_.SetSliderPosition(kVolumeSliderId, volume_slider_);
  if (graph_) graph_->SetVolumeLevel(volume_level_);
  view_.ShowMuted(false);
}

void PlaybackController::ChannelButton(int mode) {
  if (StoppedOrClosed(State())) {
    if (channel_mode_ == mode) view_.PressChannelButton(mode);
    return;
  }
  ApplyChannelMode(mode);
}

}  // namespace vantrel
