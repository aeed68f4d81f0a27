// The main window's map: the web view and its host panel in the map block, the two pictures
// shown instead of it, the pop-up, and moving the one map view between the block and the pop-up.
#include <cstdio>

#include "platform/network_state.h"
#include "telemetry/map/widgets/map_dlg.h"
#include "telemetry/map/widgets/map_picture_wnd.h"
#include "telemetry/map/widgets/map_view_wnd.h"
#include "telemetry/map/widgets/rb_map_panel_ctrl.h"
#include "telemetry/telemetry_store.h"
#include "ui/main/control_ids.h"
#include "ui/main/main_window.h"
#include "ui/skin/rb_button_ctrl.h"

namespace vantrel::ui {

void CRecboxViewerDlg::CreateMapWindows(const PlaybackSetup& setup) {
  internet_connected_ =
      setup.internet_connected ? setup.internet_connected : platform::InternetReachable;
  map_pictures_[0] = new CMapNoDataWnd(LanguageIndex(), this);
  map_pictures_[1] = new CMapNoConnectedWnd(LanguageIndex(), this);
  placed_[Control::kMapNoData] = map_pictures_[0];
  placed_[Control::kMapNotConnected] = map_pictures_[1];
  map_panel_ = new CRbMapPanelCtrl(kMapPanelId, this);
  placed_[Control::kMapPanel] = map_panel_;
  map_dlg_ = new CMapDlg(LanguageIndex(), this);
  map_dlg_->hide();
  connect(map_dlg_, &CMapDlg::closeRequested, this, [this] { DockMap(layout_mode()); });
  if (!setup.web_map) return;
  map_view_ = new CMapViewWnd(*setup.web_map, ProcessTelemetryStore(), map_panel_);
  map_view_->setGeometry(0, 0, 300, 300);
  map_view_->LoadMapPage();
  MoveMapViewTo(*map_view_, *map_panel_);
  connect(map_view_, &CMapViewWnd::engineFailed, this, [this] { MapEngineFailed(); });
  map_source_ = *setup.web_map;
}

void CRecboxViewerDlg::DockMap(int layout_mode) {
  map_placement_ = MapPlacement::kDocked;
  map_dlg_->hide();
  if (map_view_) MoveMapViewTo(*map_view_, *map_panel_);
  layout_mode_ = layout_mode;
  ApplyLayout();
}

void CRecboxViewerDlg::PopOutMap() {
  map_placement_ = MapPlacement::kPoppedOut;
  map_dlg_->show();
  if (map_view_) MoveMapViewTo(*map_view_, map_dlg_->host());
  ApplyLayout();
}

bool CRecboxViewerDlg::MapAvailable() const {
  return map_view_ != nullptr &&
         vantrel::MapAvailable(true, internet_connected_ && internet_connected_(), map_source_);
}

void CRecboxViewerDlg::MapEngineFailed() {
  if (!map_view_) return;
  map_view_->hide();
  map_view_->deleteLater();
  map_view_ = nullptr;
  if (map_placement_ != MapPlacement::kDocked) DockMap(layout_mode());
  if (map_state_ == MapBlockState::kMap) ShowMapBlock(MapBlockState::kNotConnected);
}

}  // namespace vantrel::ui
