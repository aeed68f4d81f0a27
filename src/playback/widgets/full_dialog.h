// The full-screen window: created hidden at start-up as a tool window (no task-bar entry),
// 1026 x 770 centred on the primary screen, its background in the skin's dark colour. Nothing
// shows it yet.
#pragma once

#include <QDialog>

namespace vantrel::ui {

class CFullDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CFullDlg(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace vantrel::ui
