// A main window for tests: no volumes, recorded playback and messages, and a folder picker that
// counts its runs and picks nothing.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/user_messages.h"
#include "platform/volume_provider.h"
#include "recording_playback.h"
#include "ui/main/main_window.h"

namespace vantrel::ui {

class NoVolumes : public platform::VolumeProvider {
 public:
  std::vector<platform::Volume> Volumes() override { return {}; }
};

class RecordedMessages : public UserMessages {
 public:
  void Show(const std::string& text) override { texts.push_back(text); }
  std::vector<std::string> texts;
};

struct WindowFixture {
  explicit WindowFixture(int language = kEnglish) {
    ViewerOptions options;
    options.language = language;
    window =
        std::make_unique<CRecboxViewerDlg>(options, volumes, &playback, LoadTimings{},
                                           [this](QWidget*, int) -> std::optional<PickedSource> {
                                             ++picker_runs;
                                             return std::nullopt;
                                           });
    window->SetMessages(messages);
  }

  NoVolumes volumes;
  RecordingPlayback playback;
  RecordedMessages messages;
  int picker_runs = 0;
  std::unique_ptr<CRecboxViewerDlg> window;
};

}  // namespace vantrel::ui
