// The playback controller: turns a row of the recording list into a playing recording and keeps
// the window in step with it. It opens rows on loader threads, drives the media graph of the
// recording that plays, runs the playback tick (seek slider, time read-out, gauges, map), carries
// out the window's playback commands and slider moves, and moves on to the next row when a
// recording ends.
//
// Threads: every call is made on the user-interface thread. A loader thread never touches the
// window, the current graph or the viewer's telemetry store: it builds a graph and a store of its
// own and posts them back; the controller installs them only while that loader is still the one
// it waits for. While a loader runs, Loading() is true and commands are ignored. The window owns
// the controller and destroys it before the surfaces, timers, dispatcher and components it was
// given; destruction gives up a running loader and waits for every loader to end.
#pragma once

#include <memory>
#include <string>

#include "app/user_messages.h"
#include "app/viewer_options.h"
#include "catalogue/list_selection.h"
#include "catalogue/recording_catalogue.h"
#include "catalogue/recording_list.h"
#include "playback/controller/controller_timings.h"
#include "playback/controller/loader_job.h"
#include "playback/controller/loader_threads.h"
#include "playback/controller/playback_controller_ports.h"
#include "playback/controller/playback_view.h"
#include "playback/media_graph.h"
#include "playback/playback_commands.h"
#include "telemetry/telemetry_store.h"

namespace vantrel {

// What the window lends the controller for its lifetime.
struct PlaybackControllerParts {
  PlaybackView& view;
  ListSelection& selection;
  const RecordingList& list;
  const RecordingCatalogue& catalogue;
  // The viewer's store that the gauges, graph, map and report read.
  TelemetryStore& telemetry;
  const ViewerOptions& options;
  UserMessages& messages;
  UiDispatcher& ui_thread;
  RepeatingTimer& tick_timer;   // the playback tick
  RepeatingTimer& delay_timer;  // the delayed open after a double click
  // Called on loader threads for every open.
  GraphFactory make_graph;
  std::string temp_folder;  // where card recordings are rebuilt; emptied at every stop
  std::function<bool()> language_library_loads;
  std::function<bool()> internet_connected;
  ControllerTimings timings;
};

class PlaybackController : public PlaybackCommands {
 public:
  // Sliders start in the middle, volume 50, not muted, Front.
  explicit PlaybackController(PlaybackControllerParts parts);
  ~PlaybackController() override;
  PlaybackController(const PlaybackController&) = delete;
  PlaybackController& operator=(const PlaybackController&) = delete;

  // PlaybackCommands.
  bool Loading() const override { return loading_; }
  PlaybackState State() const override;
  void Command(int command_id) override;
  void SliderMoved(int slider_id, int position) override;
  void SeekSliderReleased(int position) override;
  void DelayedOpen(int row) override;
  void StartLoader(int row) override;
  void PausePlayback() override;
  void ResumePlayback() override;
  void StopPlayback(bool reset_view) override;
  void CloseRecording() override;
  void LayoutChanged() override;
  void Shutdown() override;

  void PlaybackTick();
  void ApplyChannelMode(int mode);
  void ResetView();

  // Messages other windows send the main window: a volume step 0..10 from the map page (the
  // slider stays where it is), a seek in milliseconds, and a repaint of the filter buttons.
  void SetVolumeMessage(int step);
  void SeekMessage(int milliseconds);
  void RepaintFiltersMessage();

  // The card the playing recording comes from was removed. While a recording is loading, the
  // removal is acted on as soon as that loader ends, and what it opened is dropped.
  void PlayingCardRemoved();
  // The rear-mirror option may have changed (settings or about dialog closed with OK).
  void RearMirrorChanged();

  // The graph of the opened recording; null before the first open. Replaced by every open that
  // builds one, so callers do not keep it across calls.
  MediaGraph* graph() const { return graph_.get(); }

  int channel_mode() const { return channel_mode_; }
  bool muted() const { return muted_; }
  int volume_level() const { return volume_level_; }
  int volume_slider() const { return volume_slider_; }
  int speed_slider() const { return speed_slider_; }
  int brightness_slider() const { return brightness_slider_; }
  float displayed_rate() const { return displayed_rate_; }
  const std::string& current_recording_label() const { return current_recording_label_; }
  MapDecision map_decision() const { return map_decision_; }
  // Loaders given up that are still running.
  size_t loaders_given_up() const { return loaders_.given_up(); }

 private:
  LoadRequest RequestFor(int row) const;
  // The loader's result reached the user-interface thread.
  void FinishLoad(const std::shared_ptr<LoaderJob>& job);
  void ShowOpenedRecording(const LoadRequest& request);
  void EndOfRecording(int position_ms);
  void DelayedOpenFired();
  void CardGone();
  void StartTick();
  // Places the mode's surfaces; `show` also shows them and hides the other.
  void PlaceSurfaces(int mode, bool show);
  void RedrawStillFrame();
  void RefreshVideoWindows();
  void EmptyTempFolder();
  void SetRecordingControlsEnabled(bool open);
  void SyncScreenSaver();

  // Commands.
  void Play();
  void Pause();
  void Rewind();
  void FastForward();
  void Prev();
  void Next();
  void SpeedDefault();
  void SetSpeedSlider(int position);
  void BrightDefault();
  void SetBrightnessSlider(int position);
  void SendBrightness(int offset);
  void StepVolume(int delta);
  void VolumeSliderMoved(int position);
  void ToggleMute();
  void Unmute();
  void ChannelButton(int mode);

  PlaybackView& view_;
  ListSelection& selection_;
  const RecordingList& list_;
  const RecordingCatalogue& catalogue_;
  TelemetryStore& telemetry_;
  const ViewerOptions& options_;
  UserMessages& messages_;
  UiDispatcher& ui_thread_;
  RepeatingTimer& tick_timer_;
  RepeatingTimer& delay_timer_;
  LoaderEnvironment loader_environment_;
  std::string temp_folder_;
  std::function<bool()> internet_connected_;
  ControllerTimings timings_;

  std::unique_ptr<MediaGraph> graph_;
  bool loading_ = false;
  std::shared_ptr<LoaderJob> current_job_;
  bool card_gone_while_loading_ = false;
  std::string current_recording_label_;
  int channel_mode_ = 1;
  int volume_level_ = 50;
  bool muted_ = false;
  int speed_slider_ = 50;
  float displayed_rate_ = 1.0f;
  int brightness_slider_ = 50;
  int volume_slider_ = 50;
  int delayed_row_ = -1;
  MapDecision map_decision_ = MapDecision::kNoData;
  bool map_available_ = false;
  bool screen_saver_held_ = false;
  // Posted loader results hold a weak reference: once the controller is gone they do nothing.
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
  // Last, so that it goes first: no loader runs once the rest is torn down.
  LoaderThreads loaders_;
};

}  // namespace vantrel
