// Playback for window tests: remembers every call, and reports whatever loading flag and state a
// test sets.
#pragma once

#include <utility>
#include <vector>

#include "playback/playback_commands.h"

namespace vantrel::ui {

class RecordingPlayback : public PlaybackCommands {
 public:
  bool Loading() const override { return loading; }
  PlaybackState State() const override { return state; }
  void Command(int command_id) override { commands.push_back(command_id); }
  void SliderMoved(int slider_id, int position) override {
    slider_moves.emplace_back(slider_id, position);
  }
  void SeekSliderReleased(int position) override { seek_releases.push_back(position); }
  void DelayedOpen(int row) override { delayed_opens.push_back(row); }
  void StartLoader(int row) override { started_rows.push_back(row); }
  void PausePlayback() override { ++pauses; }
  void ResumePlayback() override { ++resumes; }
  void StopPlayback(bool) override { ++stops; }
  void CloseRecording() override { ++closes; }
  void LayoutChanged() override { ++layout_changes; }
  void Shutdown() override { ++shutdowns; }

  bool loading = false;
  PlaybackState state = PlaybackState::kNone;
  std::vector<int> commands;
  std::vector<std::pair<int, int>> slider_moves;
  std::vector<int> seek_releases;
  std::vector<int> delayed_opens;
  std::vector<int> started_rows;
  int pauses = 0;
  int resumes = 0;
  int stops = 0;
  int closes = 0;
  int layout_changes = 0;
  int shutdowns = 0;
};

}  // namespace vantrel::ui
