// The zoom window: a screen magnifier that shows the screen around the mouse pointer three times
// enlarged, so details of the video (number plates) can be read by pointing at them. One
// instance, created hidden by the main window; the Zoom command shows and hides it.
#pragma once

#include <QBasicTimer>
#include <QDialog>
#include <QImage>

namespace vantrel::ui {

inline constexpr int kZoomTickMs = 40;  // 25 pictures a second
inline constexpr int kZoomTitleTextId = 208;

class CZoomDlg : public QDialog {
  Q_OBJECT

 public:
  // 425 x 330 at (850, 465), hidden. The magnifier ticks every tick_ms for the window's whole
  // life and does its work only while the window is shown by the Zoom command.
  explicit CZoomDlg(QWidget* parent, int tick_ms = kZoomTickMs);
  ~CZoomDlg() override;

  void SetLanguageIndex(int language_index) { language_index_ = language_index; }

  // The Zoom command: hides the window when shown, shows it otherwise.
  void Toggle();
  // Takes the title from the language library (kept as it is when the library cannot be
  // loaded), then shows the window and starts magnifying.
  void ShowZoom();
  void HideZoom();
  bool shown() const { return shown_; }

  // One magnifier step: copies the screen around the pointer and repaints. Does nothing while
  // the window is not shown by the Zoom command.
  void Magnify();

  // The enlarged picture of the last step, as drawn onto the client area.
  const QImage& magnified() const { return magnified_; }

  void reject() override;

 protected:
  void timerEvent(QTimerEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QBasicTimer timer_;
  int language_index_ = 0;
  bool shown_ = false;
  QImage screen_copy_;  // the virtual screen, kept between steps to spare the allocation
  QImage magnified_;
};

}  // namespace vantrel::ui
