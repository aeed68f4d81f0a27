// A main window for tests: volumes the test lists and takes away, recorded playback and
// messages, and a folder picker that counts its runs and picks nothing.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/user_messages.h"
#include "platform/volume_provider.h"
#include "recording_playback.h"
#include "ui/main/main_window.h"

namespace vantrel::ui {

class ListedVolumes : public platform::VolumeProvider {
 public:
  std::vector<platform::Volume> Volumes() override { return volumes; }
  void Remove(const std::string& root) { Notify({{platform::VolumeEvent::kRemoved, root}}); }

  std::vector<platform::Volume> volumes;
};

class RecordedMessages : public UserMessages {
 public:
  void Show(const std::string& text) override { texts.push_back(text); }
  std::vector<std::string> texts;
};

// The window's commands go to the recorded playback; with `real_playback` they go to the
// window's own controller instead (silent, with the given delays).
struct WindowFixture {
  explicit WindowFixture(int language = kEnglish, LoadTimings timings = {},
                         bool real_playback = false, ControllerTimings delays = {},
                         TimeSource time = SteadyTimeSource()) {
    ViewerOptions options;
    options.language = language;
    auto picker = [this](QWidget*, int) -> std::optional<PickedSource> {
      ++picker_runs;
      return std::nullopt;
    };
    const PlaybackSetup setup{
        delays, false, real_playback ? nullptr : &playback, {}, {}, std::move(time)};
    window = std::make_unique<CRecboxViewerDlg>(options, volumes, setup, timings, picker);
    window->SetMessages(messages);
  }

  ListedVolumes volumes;
  RecordingPlayback playback;
  RecordedMessages messages;
  int picker_runs = 0;
  std::unique_ptr<CRecboxViewerDlg> window;
};

}  // namespace vantrel::ui
