// The main window as the playback controller sees it: the controller's screen changes carried out
// on the window's buttons, sliders, panels and video surfaces, and its texts for the user shown
// through the window's message box. Sliders and buttons are set without reporting back, so
// nothing the controller shows comes round again as a command.
#pragma once

#include "app/user_messages.h"
#include "platform/screen_saver.h"
#include "playback/controller/playback_view.h"

namespace vantrel::ui {

class CRecboxViewerDlg;

class WindowPlaybackView : public PlaybackView, public UserMessages {
 public:
  // The window outlives this view.
  explicit WindowPlaybackView(CRecboxViewerDlg& window) : window_(window) {}

  // PlaybackView.
  AreaEdges VideoArea() const override;
  int LayoutMode() const override;
  void ShowPauseButton(bool pause_shown) override;
  void SetControlEnabled(RecordingControl control, bool enabled) override;
  void ShowChannelButtons(bool shown) override;
  void PressChannelButton(int channel_mode) override;
  void ShowSurface(VideoSurface surface, bool shown) override;
  void PlaceSurface(VideoSurface surface, const SurfacePlace& place) override;
  void SetSeekRange(int duration_ms) override;
  void SetSeekPosition(int position_ms) override;
  void RepaintSeekSlider() override;
  void SetSliderPosition(int slider_id, int position) override;
  void ShowMuted(bool muted) override;
  void ShowTime(int duration_ms, int position_ms) override;
  void ShowRate(float rate) override;
  void ShowGsensor(const GsensorReading& reading) override;
  void ShowPosition(const PositionReading& reading) override;
  void ShowSpeed(double km_per_hour) override;
  void RepaintGsensorGraph() override;
  void ShowMapDecision(MapDecision decision) override;
  void ShowMapView() override;
  void MoveMapTo(int position_ms) override;
  void HideLoadingWindow() override;
  void ListLostFocus() override;
  void FocusMainWindow() override;
  void RepaintMainWindow() override;
  void RepaintFilterButtons() override;
  void InhibitScreenSaver(bool inhibit) override;
  void PlayingCardGone() override;

  // UserMessages: whatever message box the window uses at the time.
  void Show(const std::string& text) override;

  bool screen_saver_held() const { return screen_saver_.holding(); }

 private:
  CRecboxViewerDlg& window_;
  platform::ScreenSaverInhibitor screen_saver_;
};

}  // namespace vantrel::ui
