// The G-sensor graph of the main window: the whole recording's X, Y and Z samples as red, yellow
// and green lines over a fixed grid of twelve columns and +-2 g. It reads the viewer's telemetry
// store at every paint, so the owner repaints it when a recording's telemetry has been installed
// (not on every tick). A right click asks the main window for the playback menu of its
// language.
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

#include "telemetry/telemetry_store.h"

namespace vantrel::ui {

inline constexpr int kGsensorGraphId = 1001;

// The graph for a client of `size`, exactly as the control paints it.
QImage PaintGsensorGraph(QSize size, const RecordArray<GsensorRecord>& samples);

class CRbGsensorCtrl : public QWidget {
  Q_OBJECT

 public:
  // The store outlives the control. Created at 600 x 100; the owner places it.
  CRbGsensorCtrl(const TelemetryStore& store, QWidget* parent);

  int id() const { return kGsensorGraphId; }
  void SetLanguageIndex(int language_index) { language_index_ = language_index; }
  int language_index() const { return language_index_; }

 signals:
  // A right click, at this screen position.
  void playbackMenuRequested(QPoint global_position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  const TelemetryStore& store_;
  int language_index_ = 0;
};

}  // namespace vantrel::ui
