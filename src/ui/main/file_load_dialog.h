// The small modal window shown while a source is being opened: three lines asking the user to
// wait, on the viewer's dark background, centred over the main window. When its timer runs out it
// hands over to its owner (who fills the list) and closes with OK.
#pragma once

#include <QColor>
#include <QDialog>
#include <QTimer>
#include <functional>

namespace vantrel::ui {

class CRbTextCtrl;

class CFileLoadDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kWidth = 300;
  static constexpr int kHeight = 100;
  static constexpr int kTextPanelId = 1000;
  static constexpr int kTextPanelType = 14;
  static inline const QColor kBackground{0x22, 0x2C, 0x36};

  // on_elapsed runs once, when interval_ms have passed after the window showed, before it closes.
  CFileLoadDlg(QWidget* parent, int language_index, int interval_ms,
               std::function<void()> on_elapsed);

  CRbTextCtrl* text_panel() const { return text_panel_; }
  const QTimer& timer() const { return timer_; }

  // Centres the window over its owner before it appears, and starts the timer.
  void setVisible(bool visible) override;

 private:
  void OnTimer();

  CRbTextCtrl* text_panel_;
  QTimer timer_;
  std::function<void()> on_elapsed_;
  bool elapsed_ = false;
};

}  // namespace vantrel::ui
