// Playback that plays nothing: nothing is ever loading and there is no player. The main window
// uses it when it is given no playback controller.
#pragma once

#include "playback/playback_commands.h"

namespace vantrel::ui {

class IdlePlayback : public PlaybackCommands {
 public:
  bool Loading() const override { return false; }
  PlaybackState State() const override { return PlaybackState::kNone; }
  void Command(int) override {}
  void SliderMoved(int, int) override {}
  void DelayedOpen(int) override {}
  void StartLoader(int) override {}
  void PausePlayback() override {}
  void ResumePlayback() override {}
  void StopPlayback(bool) override {}
  void CloseRecording() override {}
  void LayoutChanged() override {}
  void Shutdown() override {}
};

}  // namespace vantrel::ui
