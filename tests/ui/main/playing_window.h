// A main window that really plays: its own playback controller, silent, with short delays, over
// simulated recordings written into a folder and dropped on the window as a user would.
#pragma once

#include <QCoreApplication>
#include <QTest>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "playback/widgets/rb_screen_ctrl.h"
#include "sim/recording_description.h"
#include "sim/recording_writer.h"
#include "temp_dir.h"
#include "ui/skin/rb_list_ctrl.h"
#include "window_fixture.h"

namespace vantrel::ui {

// A small, quick recording: one second, one or two channels, starting at the given minute.
inline sim::RecordingDescription ShortRecording(int channels, int minute, double seconds = 1.0,
                                                const std::string& kind = "REC") {
  sim::RecordingDescription description;
  description.kind = kind;
  description.channels = channels;
  description.seconds = seconds;
  description.front = {160, 96};
  description.rear = {96, 64};
  description.keyint = 10;
  description.audio = channels == 2 ? sim::AudioKind::kAac : sim::AudioKind::kPcm;
  description.start.minute = minute;
  return description;
}

inline ControllerTimings QuickDelays() {
  ControllerTimings timings;
  timings.tick = std::chrono::milliseconds(20);
  timings.double_click_delay = std::chrono::milliseconds(300);
  timings.settle = std::chrono::milliseconds(0);
  return timings;
}

// The recordings' time moves only when the test moves it (Advance), so what the window shows at
// each step does not depend on how loaded the machine is.
struct PlayingWindow {
  explicit PlayingWindow(ControllerTimings delays = QuickDelays())
      : fixture(kEnglish, LoadTimings{10, 20}, true, delays, [this] { return now.load(); }) {
    window().show();
  }

  void Advance(int ms) { now += ms * int64_t{10'000}; }

  CRecboxViewerDlg& window() { return *fixture.window; }
  PlaybackController& controller() { return fixture.window->controller(); }
  CRbListCtrl& list() { return fixture.window->List(); }

  // Writes the recordings (named as the recorder names them) and drops their folder on the
  // window, which lists them in time order and opens the first. False when one cannot be written.
  bool Drop(const std::vector<sim::RecordingDescription>& recordings) {
    const std::filesystem::path folder = dir.path() / "recordings";
    std::filesystem::create_directories(folder);
    for (const sim::RecordingDescription& description : recordings) {
      std::string error;
      const std::string name = sim::RecordingFileName(description);
      if (!sim::WriteRecording(description, (folder / name).string(), &error)) return false;
      names.push_back(name);
    }
    window().OpenPaths({QString::fromStdString(folder.string())});
    return true;
  }

  bool Running() const { return fixture.window->controller().State() == PlaybackState::kRunning; }
  std::string Label() { return controller().current_recording_label(); }

  test::TempDir dir;
  // Read by the window's playback threads: it outlives the window.
  std::atomic<int64_t> now{0};
  WindowFixture fixture;
  std::vector<std::string> names;  // in the order written, which is their time order
};

}  // namespace vantrel::ui
