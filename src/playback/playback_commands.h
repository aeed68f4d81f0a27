// What the main window asks of playback: the playback controller's side of the window's command
// handlers, the loading window and the card-removal handling. Everything is called on the
// user-interface thread. The window never reaches into the media graph itself.
#pragma once

#include "playback/playback_state.h"

namespace vantrel {

// Command ids the controller handles. Buttons of the main window and the playback menu's entries.
namespace playback_command {
inline constexpr int kPrev = 1011;
inline constexpr int kRewind = 1012;
inline constexpr int kPlay = 1013;
inline constexpr int kFastForward = 1014;
inline constexpr int kPause = 1015;
inline constexpr int kNext = 1016;
inline constexpr int kSpeedDefault = 1017;
inline constexpr int kBrightDefault = 1018;
inline constexpr int kMute = 1019;
inline constexpr int kFront = 1025;
inline constexpr int kRear = 1027;
inline constexpr int kAllChannels = 1028;
inline constexpr int kPlayPauseToggle = 32811;
inline constexpr int kMenuPrev = 32812;
inline constexpr int kMenuNext = 32813;
inline constexpr int kDarken = 32814;
inline constexpr int kBrighten = 32815;
inline constexpr int kMenuBrightDefault = 32816;
inline constexpr int kFaster = 32817;
inline constexpr int kSlower = 32818;
inline constexpr int kMenuSpeedDefault = 32819;
inline constexpr int kVolumeUp = 32820;
inline constexpr int kVolumeDown = 32821;
inline constexpr int kMenuMute = 32822;
}  // namespace playback_command

// Slider ids whose moves the controller handles.
inline constexpr int kSeekSliderId = 1026;
inline constexpr int kSpeedSliderId = 1033;
inline constexpr int kBrightnessSliderId = 1034;
inline constexpr int kVolumeSliderId = 1146;

class PlaybackCommands {
 public:
  virtual ~PlaybackCommands() = default;

  // LoadingFlag: a recording is being opened; the window then ignores its commands.
  virtual bool Loading() const = 0;
  virtual PlaybackState State() const = 0;

  // A command id of playback_command; any other id is ignored.
  virtual void Command(int command_id) = 0;
  // Seek slider moves (slider id kSeekSliderId) while it is dragged show the key frames near
  // the place; letting go of it shows the exact picture of where it was let go.
  virtual void SliderMoved(int slider_id, int position) = 0;
  virtual void SeekSliderReleased(int position) = 0;

  // A double click on a list row: the row opens after the double-click delay.
  virtual void DelayedOpen(int row) = 0;
  virtual void StartLoader(int row) = 0;
  virtual void PausePlayback() = 0;
  virtual void ResumePlayback() = 0;
  virtual void StopPlayback(bool reset_view) = 0;
  // A new source replaces the playing one (a drop): stop, close the recording, empty TempFolder.
  virtual void CloseRecording() = 0;
  // The window's video area or layout changed: surfaces re-fitted, the picture already decoded
  // presented again at the new size.
  virtual void LayoutChanged() = 0;
  // The window closes: stop, close the recording, empty TempFolder, give up a running loader.
  virtual void Shutdown() = 0;
};

}  // namespace vantrel
