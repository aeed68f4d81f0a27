// CMapDlg: the map's pop-up, a borderless window that is moved by dragging its inside and
// resized by dragging its 10-pixel border, never below 300 x 300. It hosts the map view in its
// own panel, shows a title and a copy of the position read-out, and its close button asks for
// the map to go back into the main window. Escape does not close it.
#pragma once

#include <QDialog>
#include <QPoint>

#include "ui/skin/frame_drag.h"

namespace vantrel::ui {

class CRbButtonCtrl;
class CRbMapPanelCtrl;
class CRbTextCtrl;

inline constexpr int kMapDlgMinimumSize = 300;
inline constexpr int kMapDlgBorderBand = 10;
inline constexpr int kMapDlgCloseId = 1031;
inline constexpr int kMapDlgHostId = 1201;
inline constexpr int kMapDlgTitleId = 1202;
inline constexpr int kMapDlgPositionId = 1203;

class CMapDlg : public QDialog {
  Q_OBJECT

 public:
  CMapDlg(int language_index, QWidget* parent);

  CRbMapPanelCtrl& host() const { return *host_; }
  CRbButtonCtrl& close_button() const { return *close_; }
  CRbTextCtrl& position_panel() const { return *position_; }

  void SetLanguageIndex(int language_index);
  // The position copy the playback tick gives the pop-up.
  void SetPosition(float latitude, float longitude);
  // Places the close button, the host and the two panels for the client size.
  void Relayout();

 signals:
  // The close button: the map goes back into the main window.
  void closeRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  CRbButtonCtrl* close_;
  CRbMapPanelCtrl* host_;
  CRbTextCtrl* title_;
  CRbTextCtrl* position_;
  bool initialised_ = false;
  // A border drag: the band it started on; or a move: the client point that was pressed.
  bool resizing_ = false;
  bool moving_ = false;
  FrameHit hit_ = FrameHit::kClient;
  QPoint press_point_;
};

}  // namespace vantrel::ui
