// Everything the playback controller changes on screen, as the main window carries it out. The
// controller calls it on the user-interface thread only (the loader never does), and a call
// only shows what it is told: none of them reports back as a command or a slider move.
#pragma once

#include "playback/video_placement.h"
#include "telemetry/telemetry_store.h"

namespace vantrel {

// The controls whose enabled look follows whether a recording is open.
enum class RecordingControl {
  kSaveCopy,
  kCapture,
  kPrint,
  kPrev,
  kRewind,
  kPlay,
  kFastForward,
  kNext,
  kSeekSlider,
  kGsensorReadout,
};

// The two video surfaces: surface 1 shows the front channel, surface 2 the rear.
enum class VideoSurface { kFront = 1, kRear = 2 };

// What the map block shows after a recording opened.
enum class MapDecision {
  kNoData,        // no GPS record: the no-data picture, the map docked, no Map button
  kMap,           // GPS records and a connection: the map panel
  kNotConnected,  // GPS records without a connection: the not-connected picture
};

class PlaybackView {
 public:
  virtual ~PlaybackView() = default;

  // What the controller reads of the window.
  virtual AreaEdges VideoArea() const = 0;
  // 1 full layout, 2 compact.
  virtual int LayoutMode() const = 0;

  // true: Pause shown and Play hidden; false: the other way round.
  virtual void ShowPauseButton(bool pause_shown) = 0;
  virtual void SetControlEnabled(RecordingControl control, bool enabled) = 0;

  // The Front, Rear and All buttons, and which one is pressed (the other two released).
  virtual void ShowChannelButtons(bool shown) = 0;
  virtual void PressChannelButton(int channel_mode) = 0;

  virtual void ShowSurface(VideoSurface surface, bool shown) = 0;
  virtual void PlaceSurface(VideoSurface surface, const SurfacePlace& place) = 0;

  // The seek slider, in milliseconds.
  virtual void SetSeekRange(int duration_ms) = 0;
  virtual void SetSeekPosition(int position_ms) = 0;
  virtual void RepaintSeekSlider() = 0;

  // The speed, brightness or volume slider (kSpeedSliderId, kBrightnessSliderId,
  // kVolumeSliderId) to a position 0..100.
  virtual void SetSliderPosition(int slider_id, int position) = 0;
  virtual void ShowMuted(bool muted) = 0;

  // The time and rate read-out: position and duration, then the displayed rate.
  virtual void ShowTime(int duration_ms, int position_ms) = 0;
  virtual void ShowRate(float rate) = 0;
  // The G-sensor read-out (dashes when not found), the position read-out and the map pop-up's
  // copy of it, and the speed gauge.
  virtual void ShowGsensor(const GsensorReading& reading) = 0;
  virtual void ShowPosition(const PositionReading& reading) = 0;
  virtual void ShowSpeed(double km_per_hour) = 0;
  virtual void RepaintGsensorGraph() = 0;

  // The map block after an open, the map view shown again while playing, the map's marker.
  virtual void ShowMapDecision(MapDecision decision) = 0;
  virtual void ShowMapView() = 0;
  virtual void MoveMapTo(int position_ms) = 0;

  virtual void HideLoadingWindow() = 0;
  // The list is told it lost the focus (full layout, after an open).
  virtual void ListLostFocus() = 0;
  virtual void FocusMainWindow() = 0;
  virtual void RepaintMainWindow() = 0;
  virtual void RepaintFilterButtons() = 0;
  // While a recording runs the screen saver is held off.
  virtual void InhibitScreenSaver(bool inhibit) = 0;
  // The card being played was removed and playback has stopped: the window forgets the source,
  // clears the filter flags, empties the list, tells the user (text 251) and repaints the filter
  // buttons.
  virtual void PlayingCardGone() = 0;
};

}  // namespace vantrel
