// The skinned vertical scroll bar that stands beside the recording list and scrolls it through
// the list's own (hidden) scroll bar. Arrows scroll a row, repeating while held; the track
// scrolls a page; the thumb drags.
#pragma once

#include <QPointer>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

#include "ui/skin/scroll_thumb.h"

namespace vantrel::ui {

struct ScrollRepeatTimings {
  int first_delay_ms = 250;  // a held arrow starts repeating after this
  int repeat_ms = 50;        // then scrolls a row this often
};

class CSkinVerticleScrollbar : public QWidget {
  Q_OBJECT

 public:
  // `source` is the list's vertical scroll bar; its value counts rows.
  CSkinVerticleScrollbar(QScrollBar* source, QWidget* parent, ScrollRepeatTimings timings = {});

  void SetTimings(ScrollRepeatTimings timings) { timings_ = timings; }
  int thumb_top() const { return thumb_top_; }

  // Moves the thumb to the source's position and repaints.
  void UpdateScrollBar();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ScrollBy(int rows);
  void Repeat();

  QPointer<QScrollBar> source_;
  ScrollRepeatTimings timings_;
  QTimer first_delay_;
  QTimer repeat_;
  bool up_held_ = false;
  bool down_held_ = false;
  bool dragging_ = false;
  int thumb_top_ = kScrollArrowHeight;
};

}  // namespace vantrel::ui
