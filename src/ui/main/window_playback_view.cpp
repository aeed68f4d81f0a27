#include "ui/main/window_playback_view.h"

#include <QSignalBlocker>

#include "playback/widgets/rb_screen_ctrl.h"
#include "telemetry/widgets/rb_gsensor_ctrl.h"
#include "telemetry/widgets/rb_speed_ctrl.h"
#include "ui/main/control_ids.h"
#include "ui/main/filter_button_group.h"
#include "ui/main/main_window.h"
#include "ui/skin/rb_button_ctrl.h"
#include "ui/skin/rb_list_ctrl.h"
#include "ui/skin/rb_slider_ctrl.h"
#include "ui/skin/rb_text_ctrl.h"
#include "ui/skin/skin_image_ids.h"

namespace vantrel::ui {
namespace {

// The button behind a control; 0 for the two that are not buttons.
int ButtonOf(RecordingControl control) {
  switch (control) {
    case RecordingControl::kSaveCopy:
      return button_id::kSaveCopy;
    case RecordingControl::kCapture:
      return button_id::kCapture;
    case RecordingControl::kPrint:
      return button_id::kPrint;
    case RecordingControl::kPrev:
      return button_id::kPrev;
    case RecordingControl::kRewind:
      return button_id::kRewind;
    case RecordingControl::kPlay:
      return button_id::kPlay;
    case RecordingControl::kFastForward:
      return button_id::kFastForward;
    case RecordingControl::kNext:
      return button_id::kNext;
    case RecordingControl::kSeekSlider:
    case RecordingControl::kGsensorReadout:
      break;
  }
  return 0;
}

MapBlockState BlockStateOf(MapDecision decision) {
  switch (decision) {
    case MapDecision::kMap:
      return MapBlockState::kMap;
    case MapDecision::kNotConnected:
      return MapBlockState::kNotConnected;
    case MapDecision::kNoData:
      break;
  }
  return MapBlockState::kNoData;
}

}  // namespace

AreaEdges WindowPlaybackView::VideoArea() const {
  const Rect& area = window_.current_layout().video_area;
  return {area.left, area.top, area.right, area.bottom};
}

int WindowPlaybackView::LayoutMode() const { return window_.layout_mode(); }

void WindowPlaybackView::ShowPauseButton(bool pause_shown) {
  window_.Button(button_id::kPause)->setVisible(pause_shown);
  window_.Button(button_id::kPlay)->setVisible(!pause_shown);
}

void WindowPlaybackView::SetControlEnabled(RecordingControl control, bool enabled) {
  if (control == RecordingControl::kSeekSlider) {
    window_.SeekSlider()->setEnabled(enabled);
  } else if (control == RecordingControl::kGsensorReadout) {
    window_.Panel(panel_id::kGsensorReadout)->setEnabled(enabled);
  } else {
    // Only the look changes: a click on a disabled-looking button still reaches playback, which
    // ignores what does not apply.
    window_.Button(ButtonOf(control))->SetSkinEnabled(enabled);
  }
}

void WindowPlaybackView::ShowChannelButtons(bool shown) {
  for (int id : {button_id::kFront, button_id::kRear, button_id::kAllChannels}) {
    window_.Button(id)->setVisible(shown);
  }
}

void WindowPlaybackView::PressChannelButton(int channel_mode) {
  window_.Button(button_id::kFront)->SetSelected(channel_mode == kFrontMode);
  window_.Button(button_id::kRear)->SetSelected(channel_mode == kRearMode);
  window_.Button(button_id::kAllChannels)->SetSelected(channel_mode == kAllMode);
}

void WindowPlaybackView::ShowSurface(VideoSurface surface, bool shown) {
  CRbScreenCtrl* widget = window_.Surface(static_cast<int>(surface));
  if (widget->isHidden() == !shown) return;
  widget->setVisible(shown);
  // The window draws its empty-screen picture only while no surface covers the video area.
  window_.update();
}

void WindowPlaybackView::PlaceSurface(VideoSurface surface, const SurfacePlace& place) {
  window_.Surface(static_cast<int>(surface))
      ->setGeometry(place.x, place.y, place.width, place.height);
}

void WindowPlaybackView::SetSeekRange(int duration_ms) {
  const QSignalBlocker quiet(window_.SeekSlider());
  window_.SeekSlider()->setRange(0, std::max(duration_ms, 0));
}

void WindowPlaybackView::SetSeekPosition(int position_ms) {
  const QSignalBlocker quiet(window_.SeekSlider());
  window_.SeekSlider()->setValue(position_ms);
}

void WindowPlaybackView::RepaintSeekSlider() { window_.SeekSlider()->update(); }

void WindowPlaybackView::SetSliderPosition(int slider_id, int position) {
  CRbSimpleSliderCtrl* slider = window_.SmallSlider(slider_id);
  if (!slider) return;
  const QSignalBlocker quiet(slider);
  slider->setValue(position);
}

void WindowPlaybackView::ShowMuted(bool muted) {
  window_.Button(button_id::kMute)->SetImages(muted ? kMutedImages : kMuteImages);
}

void WindowPlaybackView::ShowTime(int duration_ms, int position_ms) {
  window_.Panel(panel_id::kTimeReadout)->SetTime(duration_ms, position_ms);
}

void WindowPlaybackView::ShowRate(float rate) {
  window_.Panel(panel_id::kTimeReadout)->SetRate(rate);
}

void WindowPlaybackView::ShowGsensor(const GsensorReading& reading) {
  window_.Panel(panel_id::kGsensorReadout)
      ->SetGsensor(reading.found, reading.x, reading.y, reading.z);
}

void WindowPlaybackView::ShowPosition(const PositionReading& reading) {
  window_.Panel(panel_id::kPositionReadout)->SetPosition(reading.latitude, reading.longitude);
}

void WindowPlaybackView::ShowSpeed(double km_per_hour) {
  window_.SpeedGauge()->SetSpeed(km_per_hour);
  window_.SpeedGauge()->Refresh();
}

// The graph reads the store when it paints.
void WindowPlaybackView::RepaintGsensorGraph() { window_.GsensorGraph()->update(); }

// The map view comes with the map window; until then its place holds a plain window that has
// nothing to show.
void WindowPlaybackView::MoveMapTo(int) {}
void WindowPlaybackView::ShowMapView() {}

void WindowPlaybackView::ShowMapDecision(MapDecision decision) {
  window_.ShowMapBlock(BlockStateOf(decision));
}

void WindowPlaybackView::HideLoadingWindow() { window_.source_loading().HideLoadingWindow(); }

void WindowPlaybackView::ListLostFocus() { window_.List().clearFocus(); }

void WindowPlaybackView::FocusMainWindow() { window_.setFocus(); }

void WindowPlaybackView::RepaintMainWindow() { window_.update(); }

void WindowPlaybackView::RepaintFilterButtons() { window_.filter_buttons().Redraw(); }

void WindowPlaybackView::InhibitScreenSaver(bool inhibit) { screen_saver_.Hold(inhibit); }

void WindowPlaybackView::PlayingCardGone() { window_.source_loading().ResetSource(); }

void WindowPlaybackView::Show(const std::string& text) { window_.Messages().Show(text); }

}  // namespace vantrel::ui
