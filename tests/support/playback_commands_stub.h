// Playback that does nothing and reports no recording: tests derive from it and answer only the
// calls their code makes.
#pragma once

#include "playback/playback_commands.h"

namespace vantrel::test {

class PlaybackCommandsStub : public PlaybackCommands {
 public:
  bool Loading() const override { return false; }
  PlaybackState State() const override { return PlaybackState::kNone; }
  void Command(int) override {}
  void SliderMoved(int, int) override {}
  void SeekSliderReleased(int) override {}
  void DelayedOpen(int) override {}
  void StartLoader(int) override {}
  void PausePlayback() override {}
  void ResumePlayback() override {}
  void StopPlayback(bool) override {}
  void CloseRecording() override {}
  void LayoutChanged() override {}
  void Shutdown() override {}
};

}  // namespace vantrel::test
