// Stand-ins for what the window lends the playback controller: a view that keeps what it was last
// told, a list selection, timers fired by hand, a dispatcher whose queue the test runs, and a
// message box that remembers its texts. Plus a fixture that lists simulated recordings and waits
// for loaders.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/user_messages.h"
#include "app/viewer_options.h"
#include "catalogue/folder_scan.h"
#include "catalogue/list_selection.h"
#include "catalogue/recording_catalogue.h"
#include "catalogue/row_table.h"
#include "graph_fakes.h"
#include "playback/null_video_sink.h"
#include "playback/controller/playback_controller.h"
#include "playback/controller/playback_view.h"
#include "sim/recording_description.h"
#include "sim/recording_writer.h"
#include "telemetry/telemetry_store.h"
#include "temp_dir.h"

namespace vantrel::test {

class FakeView : public PlaybackView {
 public:
  AreaEdges VideoArea() const override { return area; }
  int LayoutMode() const override { return layout_mode; }
  void ShowPauseButton(bool shown) override { pause_shown = shown; }
  void SetControlEnabled(RecordingControl control, bool on) override { enabled[control] = on; }
  void ShowChannelButtons(bool shown) override { channel_buttons_shown = shown; }
  void PressChannelButton(int mode) override {
    pressed_mode = mode;
    ++presses;
  }
  void ShowSurface(VideoSurface surface, bool shown) override { surface_shown[surface] = shown; }
  void PlaceSurface(VideoSurface surface, const SurfacePlace& place) override {
    surface_place[surface] = place;
  }
  void SetSeekRange(int duration_ms) override { seek_range = duration_ms; }
  void SetSeekPosition(int position_ms) override { seek_position = position_ms; }
  void RepaintSeekSlider() override {}
  void SetSliderPosition(int slider_id, int position) override { sliders[slider_id] = position; }
  void ShowMuted(bool on) override { muted = on; }
  void ShowTime(int duration_ms, int position_ms) override {
    time_duration = duration_ms;
    time_position = position_ms;
  }
  void ShowRate(float value) override { rate = value; }
  void ShowGsensor(const GsensorReading& reading) override { gsensor = reading; }
  void ShowPosition(const PositionReading& reading) override { position = reading; }
  void ShowSpeed(double km_per_hour) override { speed = km_per_hour; }
  void RepaintGsensorGraph() override {}
  void ShowMapDecision(MapDecision decision) override { map_decision = decision; }
  void ShowMapView() override { ++map_view_shown; }
  void MoveMapTo(int position_ms) override { map_position = position_ms; }
  void HideLoadingWindow() override { ++loading_window_hidden; }
  void ListLostFocus() override {}
  void FocusMainWindow() override {}
  void RepaintMainWindow() override {}
  void RepaintFilterButtons() override { ++filter_repaints; }
  void InhibitScreenSaver(bool on) override { screen_saver_inhibited = on; }
  void PlayingCardGone() override { ++card_gone; }

  bool Shown(VideoSurface surface) const {
    auto it = surface_shown.find(surface);
    return it != surface_shown.end() && it->second;
  }

  AreaEdges area{25, 61, 702, 453};
  int layout_mode = 1;
  bool pause_shown = false;
  std::map<RecordingControl, bool> enabled;
  bool channel_buttons_shown = false;
  int pressed_mode = 0;
  int presses = 0;
  std::map<VideoSurface, bool> surface_shown;
  std::map<VideoSurface, SurfacePlace> surface_place;
  int seek_range = -1;
  int seek_position = -1;
  std::map<int, int> sliders;
  bool muted = false;
  int time_duration = -1;
  int time_position = -1;
  float rate = 1.0f;
  std::optional<GsensorReading> gsensor;
  std::optional<PositionReading> position;
  double speed = -1;
  std::optional<MapDecision> map_decision;
  int map_view_shown = 0;
  int map_position = -1;
  int loading_window_hidden = 0;
  int filter_repaints = 0;
  bool screen_saver_inhibited = false;
  int card_gone = 0;
};

class FakeSelection : public ListSelection {
 public:
  void SelectRow(int row) override { selected = row; }
  void ScrollToRow(int row) override { scrolled = row; }
  void RedrawList() override {}
  int MarkedRow() const override { return marked; }
  void SetMarkedRow(int row) override { marked = row; }
  void RedrawRow(int) override {}

  int selected = -1;
  int scrolled = -1;
  int marked = -1;
};

class ManualTimer : public RepeatingTimer {
 public:
  void Start(std::chrono::milliseconds every, std::function<void()> on_fire) override {
    interval = every;
    fire_ = std::move(on_fire);
    running = true;
  }
  void Stop() override { running = false; }
  bool IsRunning() const override { return running; }
  // Fires once when running.
  void Fire() {
    if (!running) return;
    const std::function<void()> fire = fire_;
    fire();
  }

  bool running = false;
  std::chrono::milliseconds interval{0};

 private:
  std::function<void()> fire_;
};

class ManualDispatcher : public UiDispatcher {
 public:
  void Post(std::function<void()> task) override {
    std::lock_guard hold(lock_);
    tasks_.push_back(std::move(task));
  }
  // Runs what was posted so far.
  void RunPending() {
    std::deque<std::function<void()>> tasks;
    {
      std::lock_guard hold(lock_);
      tasks.swap(tasks_);
    }
    for (auto& task : tasks) task();
  }

 private:
  std::mutex lock_;
  std::deque<std::function<void()>> tasks_;
};

class RecordedMessages : public UserMessages {
 public:
  void Show(const std::string& text) override { texts.push_back(text); }
  std::vector<std::string> texts;
};

// A list of recordings in a folder, a controller over it with hand-driven timers, a dispatcher
// run by the test, simulated time for the engine and no settle pause.
class ControllerTest : public ::testing::Test {
 protected:
  static constexpr int64_t kUnitsPerMs = 10'000;

  // A short, small recording with one or two channels.
  static sim::RecordingDescription Recording(int channels, sim::AudioKind audio, int minute) {
    sim::RecordingDescription description;
    description.channels = channels;
    description.audio = audio;
    description.seconds = 1.0;
    description.front = {160, 96};
    description.rear = {96, 64};
    description.keyint = 10;
    description.start.minute = minute;
    return description;
  }

  void SetUp() override { catalogue_.AddExtension("avi"); }
  void TearDown() override { controller_.reset(); }

  // Writes the recordings into a folder of their own and lists them in time order.
  void ListRecordings(const std::vector<std::pair<std::string, sim::RecordingDescription>>& files) {
    const std::filesystem::path folder = dir_.path() / "recordings";
    std::filesystem::create_directories(folder);
    for (const auto& [name, description] : files) {
      std::string error;
      ASSERT_TRUE(sim::WriteRecording(description, (folder / name).string(), &error)) << error;
    }
    catalogue_.BeginScan();
    FolderRecord record;
    record.path = folder.string();
    ASSERT_TRUE(ScanFolderTree(catalogue_, record, kComputerFolderGroup));
    catalogue_.SortEntries();
    catalogue_.set_open_source_kind(SourceKind::kComputerFolder);
    ASSERT_EQ(catalogue_.FillAll(list_, [](uint32_t) { return std::nullopt; }),
              static_cast<int>(files.size()));
  }

  void MakeController(ControllerTimings timings = NoWaiting()) {
    PlaybackControllerParts parts{view_,
                                  selection_,
                                  list_,
                                  catalogue_,
                                  telemetry_,
                                  options_,
                                  messages_,
                                  ui_,
                                  tick_,
                                  delay_,
                                  [this] {
                                    auto graph = std::make_unique<MediaGraph>(components_, nullptr,
                                                                              time_.Source());
                                    graph->AttachWindows(&front_, &rear_);
                                    return graph;
                                  },
                                  temp_folder(),
                                  [] { return true; },
                                  [] { return true; },
                                  timings};
    controller_ = std::make_unique<PlaybackController>(std::move(parts));
  }

  static ControllerTimings NoWaiting() {
    ControllerTimings timings;
    timings.settle = std::chrono::milliseconds(0);
    return timings;
  }

  // Runs the dispatcher until no loader is running; false after the time limit.
  bool WaitLoaded(std::chrono::seconds limit = std::chrono::seconds(60)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
      ui_.RunPending();
      if (!controller_->Loading()) return true;
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }

  // Opens a row as a double click would and waits for it.
  void OpenRow(int row) {
    controller_->StartLoader(row);
    ASSERT_TRUE(WaitLoaded());
  }

  void AdvanceMs(int64_t ms) { time_.now += ms * kUnitsPerMs; }

  std::string temp_folder() const { return (dir_.path() / "temp").string(); }
  std::string NameOfRow(int row) const { return list_.ColumnText(row, kNameColumn); }
  const std::string& PlayingFile() const { return controller_->graph()->player()->file_name(); }

  TempDir dir_;
  RecordingCatalogue catalogue_;
  RowTable list_;
  FakeSelection selection_;
  FakeView view_;
  TelemetryStore telemetry_;
  ViewerOptions options_;
  RecordedMessages messages_;
  ManualDispatcher ui_;
  ManualTimer tick_, delay_;
  StandardGraphComponents components_{false};
  NullVideoSink front_, rear_;
  ManualTime time_;
  std::unique_ptr<PlaybackController> controller_;
};

}  // namespace vantrel::test
