// The main window's controls: creating them with their ids, sizes, images and texts, the state
// they start in, and placing them for the layout.
#include <QApplication>
#include <QScreen>
#include <array>
#include <utility>

#include "app/language.h"
#include "playback/widgets/full_dialog.h"
#include "playback/widgets/rb_screen_ctrl.h"
#include "playback/widgets/zoom_dialog.h"
#include "telemetry/telemetry_store.h"
#include "telemetry/widgets/rb_gsensor_ctrl.h"
#include "telemetry/widgets/rb_speed_ctrl.h"
#include "telemetry/map/widgets/map_dlg.h"
#include "telemetry/map/widgets/map_picture_wnd.h"
#include "ui/main/control_ids.h"
#include "ui/main/main_window.h"
#include "ui/skin/rb_button_ctrl.h"
#include "ui/skin/rb_list_ctrl.h"
#include "ui/skin/rb_slider_ctrl.h"
#include "ui/skin/rb_text_ctrl.h"
#include "ui/skin/skin_colours.h"
#include "ui/skin/skin_image_ids.h"

namespace vantrel::ui {
namespace {

constexpr std::array<std::pair<Control, int>, 28> kPlacedButtons = {{
    {Control::kOpen, button_id::kOpen},
    {Control::kSaveCopy, button_id::kSaveCopy},
    {Control::kCapture, button_id::kCapture},
    {Control::kPrint, button_id::kPrint},
    {Control::kZoom, button_id::kZoom},
    {Control::kLayoutToggle, button_id::kLayoutToggle},
    {Control::kSetting, button_id::kSetting},
    {Control::kAbout, button_id::kAbout},
    {Control::kMin, button_id::kMin},
    {Control::kMax, button_id::kMax},
    {Control::kClose, button_id::kClose},
    {Control::kFilterAll, button_id::kFilterAll},
    {Control::kFilterEvent, button_id::kFilterEvent},
    {Control::kFilterNormal, button_id::kFilterNormal},
    {Control::kFilterParking, button_id::kFilterParking},
    {Control::kMapButton, button_id::kMap},
    {Control::kFront, button_id::kFront},
    {Control::kRear, button_id::kRear},
    {Control::kAllChannels, button_id::kAllChannels},
    {Control::kMute, button_id::kMute},
    {Control::kPrev, button_id::kPrev},
    {Control::kRewind, button_id::kRewind},
    {Control::kPlay, button_id::kPlay},
    {Control::kPause, button_id::kPause},
    {Control::kFastForward, button_id::kFastForward},
    {Control::kNext, button_id::kNext},
    {Control::kSpeed, button_id::kSpeed},
    {Control::kBright, button_id::kBright},
}};

constexpr std::array<std::pair<Control, int>, 9> kPlacedPanels = {{
    {Control::kTimeReadout, panel_id::kTimeReadout},
    {Control::kGsensorReadout, panel_id::kGsensorReadout},
    {Control::kMapTitle, panel_id::kMapTitle},
    {Control::kPositionReadout, panel_id::kPositionReadout},
    {Control::kListCaption, panel_id::kListCaption},
    {Control::kKindAll, panel_id::kKindAll},
    {Control::kKindEvent, panel_id::kKindEvent},
    {Control::kKindNormal, panel_id::kKindNormal},
    {Control::kKindParking, panel_id::kKindParking},
}};

constexpr std::array<std::pair<Control, int>, 3> kPlacedSliders = {{
    {Control::kSpeedSlider, kSpeedSliderId},
    {Control::kBrightnessSlider, kBrightnessSliderId},
    {Control::kVolumeSlider, kVolumeSliderId},
}};

constexpr std::array<int, 11> kTopBarButtons = {
    button_id::kOpen, button_id::kSaveCopy,     button_id::kCapture, button_id::kPrint,
    button_id::kZoom, button_id::kLayoutToggle, button_id::kSetting, button_id::kAbout,
    button_id::kMin,  button_id::kMax,          button_id::kClose};

// The commands a recording must be open for; they start with the disabled look.
constexpr std::array<int, 8> kRecordingCommands = {
    button_id::kSaveCopy, button_id::kCapture,     button_id::kPrint, button_id::kPrev,
    button_id::kRewind,   button_id::kFastForward, button_id::kNext,  button_id::kPlay};

QRect ToQRect(const Rect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }

}  // namespace

void CRecboxViewerDlg::CreateControls() {
  CreateButtons();
  CreatePanels();
  CreateSlidersAndList();
  CreatePlaceholders();
}

void CRecboxViewerDlg::CreateButtons() {
  for (const ButtonEntry& entry : kButtons) {
    auto* button = new CRbButtonCtrl(entry.id, this);
    button->setFixedSize(entry.width, entry.height);
    button->SetImages(entry.images);
    // The keyboard stays with the list; keys reach the window's shortcuts first anyway.
    button->setFocusPolicy(Qt::NoFocus);
    buttons_[entry.id] = button;
  }
  for (int id : kTopBarButtons) buttons_[id]->SetTopBar(true);
  for (const auto& [control, id] : kPlacedButtons) placed_[control] = buttons_[id];
  filter_buttons_ = std::make_unique<FilterButtonGroup>(
      std::array<CRbButtonCtrl*, 4>{
          buttons_[button_id::kFilterAll], buttons_[button_id::kFilterNormal],
          buttons_[button_id::kFilterEvent], buttons_[button_id::kFilterParking]},
      filter_flags_);
}

void CRecboxViewerDlg::CreatePanels() {
  for (const PanelEntry& entry : kTextPanels) {
    auto* panel = new CRbTextCtrl(entry.id, entry.type, LanguageIndex(), this);
    panel->setObjectName(QStringLiteral("RbTextWnd"));
    panels_[entry.id] = panel;
  }
  // Labels sit on the block behind them.
  panels_[panel_id::kMapTitle]->SetBackground(kMapBlockBackground);
  panels_[panel_id::kPositionReadout]->SetBackground(kMapBlockBackground);
  for (int id : {panel_id::kListCaption, panel_id::kKindAll, panel_id::kKindEvent,
                 panel_id::kKindNormal, panel_id::kKindParking}) {
    panels_[id]->SetBackground(kListBlockBackground);
  }
  for (const auto& [control, id] : kPlacedPanels) placed_[control] = panels_[id];
}

void CRecboxViewerDlg::CreateSlidersAndList() {
  seek_slider_ = new CRbSliderCtrl(kSeekSliderId, this);
  seek_slider_->SetEndInset(kSeekEndInset);
  placed_[Control::kSeekSlider] = seek_slider_;
  for (const SliderEntry& entry : kSmallSliders) {
    auto* slider = new CRbSimpleSliderCtrl(entry.id, this);
    slider->setFixedSize(kSmallSliderWidth, kSmallSliderHeight);
    small_sliders_[entry.id] = slider;
  }
  for (const auto& [control, id] : kPlacedSliders) placed_[control] = small_sliders_[id];
  list_ = new CRbListCtrl(this);
  list_->setProperty("controlId", kListId);
  placed_[Control::kList] = list_;
}

void CRecboxViewerDlg::CreatePlaceholders() {
  // The video surfaces start hidden: playback shows the ones a recording needs.
  surfaces_[0] = new CRbScreenCtrl(kFrontSurfaceId, this);
  surfaces_[1] = new CRbScreenCtrl(kRearSurfaceId, this);
  zoom_ = new CZoomDlg(this);
  full_ = new CFullDlg(this);
  gsensor_graph_ = new CRbGsensorCtrl(ProcessTelemetryStore(), this);
  placed_[Control::kGsensorGraph] = gsensor_graph_;
  speed_gauge_ = new CRbSpeedCtrl(this);
  placed_[Control::kSpeedGauge] = speed_gauge_;
}

void CRecboxViewerDlg::SetInitialState() {
  for (int id : kRecordingCommands) buttons_[id]->SetSkinEnabled(false);
  filter_flags_ = {};
  filter_buttons_->Redraw();
  seek_slider_->setEnabled(false);
  buttons_[button_id::kFront]->SetSelected(true);
  for (int id : {button_id::kFront, button_id::kRear, button_id::kAllChannels, button_id::kPause,
                 button_id::kMap}) {
    buttons_[id]->hide();
  }
  // Nothing is muted at start.
  buttons_[button_id::kMute]->SetImages(kMuteImages);
}

void CRecboxViewerDlg::ApplyLanguage(int language_index) {
  options_.language = language_index;
  loader_language_ = language_index;
  for (auto& [id, panel] : panels_) panel->SetLanguageIndex(language_index);
  for (CRbScreenCtrl* surface : surfaces_) surface->SetLanguageIndex(language_index);
  gsensor_graph_->SetLanguageIndex(language_index);
  zoom_->SetLanguageIndex(language_index);
  for (CMapPictureWnd* picture : map_pictures_) picture->SetLanguageIndex(language_index);
  map_dlg_->SetLanguageIndex(language_index);
  list_->SetLanguageIndex(language_index);
  // A language whose library is missing or does not load keeps the faces the channel buttons
  // have, each showing its state as before.
  if (library_loads_(language_index)) {
    buttons_[button_id::kFront]->SetImages(ChannelButtonImages(language_index, Channel::kFront));
    buttons_[button_id::kRear]->SetImages(ChannelButtonImages(language_index, Channel::kRear));
    buttons_[button_id::kAllChannels]->SetImages(
        ChannelButtonImages(language_index, Channel::kAll));
  }
  LoadToolTips();
  update();
}

void CRecboxViewerDlg::LoadToolTips() {
  auto tip = [this](QWidget* widget, int text_id) {
    if (text_id == 0) return;
    // Without the language library the tool tips stay as they were.
    if (const auto text = LoadLanguageString(LanguageIndex(), text_id)) {
      widget->setToolTip(QString::fromStdString(*text));
    }
  };
  for (const ButtonEntry& entry : kButtons) tip(buttons_[entry.id], entry.tool_tip);
  for (const SliderEntry& entry : kSmallSliders) tip(small_sliders_[entry.id], entry.tool_tip);
}

void CRecboxViewerDlg::ApplyLayout() {
  layout_ = ComputeLayout(
      {layout_mode_, width(), height(), map_placement_ == MapPlacement::kDocked, map_state_});
  setProperty("layoutMode", layout_.mode);
  background_ = QPixmap();
  for (const Placement& placement : layout_.placements) {
    QWidget* widget = PlacedWidget(placement.control);
    if (!widget) continue;
    if (placement.rect) widget->setGeometry(ToQRect(*placement.rect));
    if (placement.visibility == Visibility::kShow) widget->show();
    if (placement.visibility == Visibility::kHide) widget->hide();
  }
  list_->RedrawList();
  update();
}

void CRecboxViewerDlg::CentreOnScreen() {
  resize(kMinimumWidth, kMinimumHeight);
  const QScreen* screen = this->screen() ? this->screen() : QApplication::primaryScreen();
  if (!screen) return;
  QRect frame(QPoint(0, 0), size());
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

CRbButtonCtrl* CRecboxViewerDlg::Button(int id) const {
  auto it = buttons_.find(id);
  return it == buttons_.end() ? nullptr : it->second;
}

CRbTextCtrl* CRecboxViewerDlg::Panel(int id) const {
  auto it = panels_.find(id);
  return it == panels_.end() ? nullptr : it->second;
}

CRbSimpleSliderCtrl* CRecboxViewerDlg::SmallSlider(int id) const {
  auto it = small_sliders_.find(id);
  return it == small_sliders_.end() ? nullptr : it->second;
}

CRbScreenCtrl* CRecboxViewerDlg::Surface(int channel) const {
  return channel == 1 || channel == 2 ? surfaces_[channel - 1] : nullptr;
}

QWidget* CRecboxViewerDlg::PlacedWidget(Control control) const {
  auto it = placed_.find(control);
  return it == placed_.end() ? nullptr : it->second;
}

}  // namespace vantrel::ui
