// The skinned sliders: the seek slider over a recording's length in milliseconds, and the three
// small sliders (speed, brightness, volume) over 0..100. Both draw their track, fill and thumb
// from skin images; the owner sets range and value as with any QSlider.
#pragma once

#include <QColor>
#include <QSlider>

namespace vantrel::ui {

// The seek slider. A press, a drag and the release ask the owner to seek to the milliseconds
// under the pointer (seekRequested); the owner decides whether to (it does not while a recording
// is loading). released() lets the owner give the keyboard back to the recording list.
class CRbSliderCtrl : public QSlider {
  Q_OBJECT

 public:
  CRbSliderCtrl(int id, QWidget* parent);

  int id() const { return id_; }

  // The width the thumb takes from the fill at the right end.
  void SetEndInset(int inset);
  int end_inset() const { return end_inset_; }

  // The fill's width in pixels at the current value.
  int FillWidth() const;

 signals:
  void seekRequested(int ms);
  void released();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void SeekTo(int x);

  int id_;
  int end_inset_ = 15;
  bool dragging_ = false;
};

// A small slider: a 100-pixel track drawn 15 pixels from its left edge, range 0..100, page 10.
class CRbSimpleSliderCtrl : public QSlider {
  Q_OBJECT

 public:
  CRbSimpleSliderCtrl(int id, QWidget* parent);

  int id() const { return id_; }

  // The fill's width in pixels at the current value (0..100).
  int FillWidth() const;

  // Where the track starts.
  static constexpr int kTrackOffset = 15;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void MoveTo(int x);

  int id_;
};

}  // namespace vantrel::ui
