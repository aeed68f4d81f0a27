// CMapViewWnd: the one map view of the viewer, a web view of the map page. It is silent (no
// script dialogs, no context menu, no navigation away from the page), and it moves the page's
// marker for the playback tick through MapPositionUpdater. Everything runs on the
// user-interface thread; the page loads in the web engine's own processes, so nothing here
// waits for it.
#pragma once

#include <QImage>
#include <QWebEngineView>
#include <functional>

#include "telemetry/map/map_page.h"
#include "telemetry/map/map_position_updater.h"
#include "telemetry/map/map_source.h"
#include "telemetry/telemetry_store.h"

namespace vantrel::ui {

inline constexpr int kMapViewId = 2091;

class CMapViewWnd : public QWebEngineView, private MapPage {
  Q_OBJECT

 public:
  // The store must outlive the view.
  CMapViewWnd(const MapSource& source, const TelemetryStore& store, QWidget* parent);

  // Requests the page (once the view exists); returns at once.
  void LoadMapPage();
  // The tick's update at playback time position_ms; negative times count as 0.
  void UpdateMapPosition(int position_ms);
  void ShowMapPosition(float latitude, float longitude) {
    updater_.ShowMapPosition(latitude, longitude);
  }
  // A recording was opened: its route is sent with the next update.
  void NewRecording() { updater_.NewRecording(); }

  bool page_loaded() const { return page_loaded_; }
  // A binding request went to the page and its answer has not come back yet.
  bool binding_pending() const { return binding_pending_; }
  const MapPositionUpdater& updater() const { return updater_; }
  // The view's picture as it is on screen now (for the printed report).
  QImage GrabPicture();
  // Runs a script on the page and hands its result to `done` (nothing when the view is gone).
  void ReadPage(const QString& script, std::function<void(const QVariant&)> done);

 signals:
  void pageLoadFinished(bool ok);
  // The page answered a binding request.
  void bindingAnswered();
  // The web engine's page process ended: the map can no longer show anything.
  void engineFailed();

 private:
  // MapPage
  void RunScript(const std::string& script) override;
  void RequestBinding() override;

  MapSource source_;
  MapPositionUpdater updater_;
  bool page_loaded_ = false;
  bool binding_pending_ = false;
};

}  // namespace vantrel::ui
