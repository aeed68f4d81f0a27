#include "playback/controller/playback_controller.h"

#include <algorithm>

#include "catalogue/folder_scan.h"
#include "catalogue/lyfs_device.h"
#include "catalogue/utf8_text.h"
#include "playback/media_time.h"
#include "playback/slider_values.h"

namespace vantrel {
namespace {

// Two-channel recordings carry "2" as this character of their name (counted in characters, as
// names are, so a name with wider characters before it is read at the same place).
constexpr size_t kChannelDigitPosition = 20;

bool StoppedOrClosed(PlaybackState state) {
  return state == PlaybackState::kStopped || state == PlaybackState::kClosed;
}

}  // namespace

PlaybackController::PlaybackController(PlaybackControllerParts parts)
    : view_(parts.view),
      selection_(parts.selection),
      list_(parts.list),
      catalogue_(parts.catalogue),
      telemetry_(parts.telemetry),
      options_(parts.options),
      messages_(parts.messages),
      ui_thread_(parts.ui_thread),
      tick_timer_(parts.tick_timer),
      delay_timer_(parts.delay_timer),
      loader_environment_{std::move(parts.make_graph), std::move(parts.language_library_loads),
                          parts.timings.settle},
      temp_folder_(std::move(parts.temp_folder)),
      internet_connected_(std::move(parts.internet_connected)),
      timings_(parts.timings) {}

PlaybackController::~PlaybackController() {
  tick_timer_.Stop();
  delay_timer_.Stop();
  alive_.reset();
}

PlaybackState PlaybackController::State() const {
  return graph_ ? graph_->state() : PlaybackState::kNone;
}

LoadRequest PlaybackController::RequestFor(int row) const {
  LoadRequest request;
  request.row = row;
  request.path = CellText(list_, row, kPathColumn);
  request.name = list_.ColumnText(row, kNameColumn);
  request.source_kind = catalogue_.open_source_kind();
  if (const RecordingEntry* entry = catalogue_.EntryAtRow(row)) request.entry = *entry;
  if (request.source_kind == SourceKind::kLyfsCard && catalogue_.lyfs_device() != nullptr) {
    request.card_device = LyfsDeviceValue(catalogue_.lyfs_device());
  }
  request.temp_folder = temp_folder_;
  request.volume_level = muted_ ? 0 : volume_level_;
  request.rate = RateFromSlider(speed_slider_);
  request.brightness_offset = BrightnessFromSlider(brightness_slider_);
  request.rear_mirror = options_.rear_mirror;
  return request;
}

void PlaybackController::StartLoader(int row) {
  MoveMark(selection_, row);
  // A loader still busy gets a moment to end; after that it is given up and its result dropped.
  loaders_.ReleaseCurrent(timings_.loader_grace);
  // The recording before stops here rather than when the new one is installed, so that two
  // graphs never play into the surfaces at once.
  if (graph_) graph_->Stop();
  SyncScreenSaver();

  auto job = std::make_shared<LoaderJob>(RequestFor(row));
  current_job_ = job;
  loading_ = true;
  // The loader thread: it sees only its job, its environment and the dispatcher.
  loaders_.Start(job, [job, environment = loader_environment_, &ui_thread = ui_thread_,
                       alive = std::weak_ptr<int>(alive_), this] {
    if (job->cancelled()) return;
    LoadOutcome outcome;
    if (!job->request().path.empty()) outcome = OpenAndPlay(*job, environment);
    if (job->cancelled()) return;  // what it built goes here, on this thread
    job->SetOutcome(std::move(outcome));
    ui_thread.Post([job, alive, this] {
      if (!alive.expired()) FinishLoad(job);
    });
  });
}

void PlaybackController::FinishLoad(const std::shared_ptr<LoaderJob>& job) {
  if (job != current_job_) return;  // given up: dropped with the job
  current_job_.reset();
  LoadOutcome outcome = job->TakeOutcome();
  loading_ = false;
  if (card_gone_while_loading_) {
    card_gone_while_loading_ = false;
    outcome = {};
    CardGone();
    return;
  }
  if (outcome.graph) {
    graph_ = std::move(outcome.graph);
  } else if (!outcome.played && graph_) {
    // Nothing was built: the recording before must not go on playing behind hidden surfaces.
    graph_->Stop();
  }
  if (outcome.played) {
    telemetry_ = std::move(*outcome.telemetry);
    current_recording_label_ = job->request().name;
    ShowOpenedRecording(job->request());
  } else {
    ResetView();
  }
  SyncScreenSaver();
  if (outcome.message) messages_.Show(*outcome.message);
}

void PlaybackController::ShowOpenedRecording(const LoadRequest& request) {
  StartTick();
  view_.HideLoadingWindow();
  if (view_.LayoutMode() == 1) view_.ListLostFocus();

  const bool two_channels =
      utf8::CharacterSlice(request.name, kChannelDigitPosition, 1) == std::string_view("2");
  view_.ShowChannelButtons(two_channels);
  if (!two_channels) channel_mode_ = kFrontMode;
  ApplyChannelMode(channel_mode_);

  SetRecordingControlsEnabled(true);
  view_.SetControlEnabled(RecordingControl::kSaveCopy,
                          request.source_kind == SourceKind::kLyfsCard);
  view_.ShowRate(displayed_rate_);

  const bool has_gps = !telemetry_.gps_records().empty();
  const bool connected = internet_connected_ && internet_connected_();
  map_decision_ = !has_gps    ? MapDecision::kNoData
                  : connected ? MapDecision::kMap
                              : MapDecision::kNotConnected;
  // The map view is brought back by the tick only for a recording that has a route to show.
  map_available_ = map_decision_ == MapDecision::kMap;
  view_.ShowMapDecision(map_decision_);

  view_.RepaintGsensorGraph();
  view_.ShowPauseButton(true);
}

void PlaybackController::PlaybackTick() {
  const PlaybackState state = State();
  view_.RepaintSeekSlider();
  const bool open = state == PlaybackState::kRunning || state == PlaybackState::kPaused;
  view_.ShowTime(open ? graph_->DurationMs() : 0, open ? graph_->PositionMs() : 0);
  SyncScreenSaver();
  if (state != PlaybackState::kRunning) return;

  const int position = graph_->PositionMs();
  const int duration = graph_->DurationMs();
  if (position >= duration) {
    EndOfRecording(position);
    return;
  }
  view_.SetSeekRange(duration);
  view_.SetSeekPosition(position);
  if (loading_) return;  // the telemetry store is being replaced

  const auto at = static_cast<uint32_t>(std::max(position, 0));
  if (view_.LayoutMode() == 1) {
    if (map_available_) view_.ShowMapView();
    view_.MoveMapTo(position);
    view_.ShowSpeed(telemetry_.SpeedAt(at).speed);
    view_.ShowGsensor(telemetry_.GsensorAt(at));
    view_.ShowPosition(telemetry_.PositionAt(at));
  } else {
    view_.MoveMapTo(position);
    view_.ShowSpeed(telemetry_.SpeedAt(at).speed);
  }
}

void PlaybackController::EndOfRecording(int position_ms) {
  view_.SetSeekPosition(position_ms);
  StopPlayback(false);
  const int rows = list_.RowCount();
  const int current = selection_.MarkedRow();
  if (rows == 0 || current < 0) {
    ResetView();
  } else if (current < rows - 1) {
    selection_.SelectRow(current + 1);
    selection_.ScrollToRow(current + 1);
    StartLoader(current + 1);
  } else {
    selection_.SelectRow(0);
    ApplyChannelMode(kFrontMode);
    ResetView();
  }
}

void PlaybackController::DelayedOpen(int row) {
  if (loading_) return;
  delayed_row_ = row;
  delay_timer_.Start(timings_.double_click_delay, [this] { DelayedOpenFired(); });
}

void PlaybackController::DelayedOpenFired() {
  if (loading_) return;  // tried again at the next firing
  delay_timer_.Stop();
  if (list_.RowCount() == 0) return;
  if (CellText(list_, delayed_row_, kPathColumn).empty()) return;
  StopPlayback(false);
  if (delayed_row_ >= 0) StartLoader(delayed_row_);
}

void PlaybackController::StopPlayback(bool reset_view) {
  if (reset_view) ResetView();
  if (graph_) graph_->Stop();
  EmptyTempFolder();
  view_.ShowPauseButton(false);
  view_.SetSeekPosition(0);
  SetRecordingControlsEnabled(false);
  telemetry_.ResetTelemetry(TelemetryArray::kGsensor);
  view_.RepaintGsensorGraph();
  view_.ShowSpeed(0);
  view_.FocusMainWindow();
  SyncScreenSaver();
}

void PlaybackController::PausePlayback() {
  if (graph_) graph_->Pause();
  tick_timer_.Stop();
  view_.ShowPauseButton(false);
  SyncScreenSaver();
}

void PlaybackController::ResumePlayback() {
  if (graph_) graph_->Run();
  view_.ShowPauseButton(true);
  StartTick();
  SyncScreenSaver();
}

void PlaybackController::ResetView() {
  view_.SetSeekPosition(0);
  view_.RepaintSeekSlider();
  view_.ShowSurface(VideoSurface::kFront, false);
  view_.ShowSurface(VideoSurface::kRear, false);
  view_.RepaintMainWindow();
}

void PlaybackController::ApplyChannelMode(int mode) {
  channel_mode_ = mode;
  view_.PressChannelButton(mode);
  PlaceSurfaces(mode, true);
  RedrawStillFrame();
  RefreshVideoWindows();
}

void PlaybackController::LayoutChanged() {
  // A resize re-fits the surfaces but shows none: before the first recording and after a reset
  // the window's own background stays in view. The picture already decoded is presented again
  // at the new size; nothing is decoded for a resize.
  PlaceSurfaces(channel_mode_, false);
  RefreshVideoWindows();
}

void PlaybackController::PlaceSurfaces(int mode, bool show) {
  const SurfaceLayout layout = SurfacesFor(mode, view_.VideoArea());
  if (show) {
    view_.ShowSurface(VideoSurface::kFront, layout.front_shown);
    view_.ShowSurface(VideoSurface::kRear, layout.rear_shown);
  }
  if (layout.front_shown) view_.PlaceSurface(VideoSurface::kFront, layout.front);
  if (layout.rear_shown) view_.PlaceSurface(VideoSurface::kRear, layout.rear);
}

void PlaybackController::RedrawStillFrame() {
  // A graph that is not running shows its picture again at the same place.
  if (graph_ && graph_->state() != PlaybackState::kRunning) {
    graph_->RequestPosition(graph_->Position(), SeekPrecision::kExact);
  }
}

void PlaybackController::RefreshVideoWindows() {
  if (graph_) graph_->RefreshVideoWindows();
}

void PlaybackController::CloseRecording() {
  if (graph_) {
    graph_->Stop();
    graph_->CloseRecording();
  }
  EmptyTempFolder();
  SyncScreenSaver();
}

void PlaybackController::Shutdown() {
  tick_timer_.Stop();
  delay_timer_.Stop();
  loaders_.ReleaseCurrent(timings_.loader_grace);
  current_job_.reset();
  loading_ = false;
  card_gone_while_loading_ = false;
  CloseRecording();
}

void PlaybackController::EmptyTempFolder() {
  if (temp_folder_.empty()) return;
  // A given-up loader stops preparing within one block; until it has, it may still write here.
  std::unique_lock hold(CardPreparationLock(), std::defer_lock);
  (void)hold.try_lock_for(timings_.preparation_wait);
  EmptyFolderFiles(temp_folder_);
}

void PlaybackController::SetRecordingControlsEnabled(bool open) {
  for (RecordingControl control :
       {RecordingControl::kSaveCopy, RecordingControl::kCapture, RecordingControl::kPrint,
        RecordingControl::kRewind, RecordingControl::kFastForward,
        RecordingControl::kGsensorReadout, RecordingControl::kSeekSlider}) {
    view_.SetControlEnabled(control, open);
  }
  for (RecordingControl control :
       {RecordingControl::kPrev, RecordingControl::kPlay, RecordingControl::kNext}) {
    view_.SetControlEnabled(control, true);
  }
}

void PlaybackController::StartTick() {
  if (!tick_timer_.IsRunning()) tick_timer_.Start(timings_.tick, [this] { PlaybackTick(); });
}

void PlaybackController::SyncScreenSaver() {
  const bool running = State() == PlaybackState::kRunning;
  if (running == screen_saver_held_) return;
  screen_saver_held_ = running;
  view_.InhibitScreenSaver(running);
}

void PlaybackController::SetVolumeMessage(int step) {
  if (muted_) {
    muted_ = false;
    view_.ShowMuted(false);
  }
  const int64_t level = std::clamp<int64_t>(int64_t{step} * 10 - 1, 0, 99);
  if (graph_) graph_->SetVolumeLevel(static_cast<int>(level));
}

void PlaybackController::SeekMessage(int milliseconds) {
  if (loading_ || !graph_ || StoppedOrClosed(graph_->state())) return;
  graph_->RequestPosition(int64_t{milliseconds} * kUnitsPerMillisecond, SeekPrecision::kExact);
}

void PlaybackController::RepaintFiltersMessage() { view_.RepaintFilterButtons(); }

void PlaybackController::PlayingCardRemoved() {
  if (loading_) {
    card_gone_while_loading_ = true;
    return;
  }
  CardGone();
}

void PlaybackController::CardGone() {
  if (State() == PlaybackState::kRunning) graph_->Pause();
  StopPlayback(true);
  view_.PlayingCardGone();
}

void PlaybackController::RearMirrorChanged() {
  if (loading_ || !graph_ || StoppedOrClosed(graph_->state()) || graph_->VideoPinCount() < 2) {
    return;
  }
  graph_->SetRearMirror(options_.rear_mirror);
}

}  // namespace vantrel
