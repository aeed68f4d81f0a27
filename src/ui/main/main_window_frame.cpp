// The main window's own surface: its background, re-laying out on every size change, dragging
// it by its border or body, the double click in the top band, and files dropped on it.
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include "playback/widgets/rb_screen_ctrl.h"
#include "ui/main/background_painter.h"
#include "ui/main/control_ids.h"
#include "ui/main/main_window.h"
#include "ui/skin/rb_button_ctrl.h"
#include "ui/skin/rb_list_ctrl.h"

namespace vantrel::ui {

void CRecboxViewerDlg::paintEvent(QPaintEvent*) {
  const bool surface_shown = !surfaces_[0]->isHidden() || !surfaces_[1]->isHidden();
  if (background_.isNull() || background_.size() != size() ||
      background_surface_shown_ != surface_shown) {
    background_ = RenderBackground(layout_, size(), surface_shown);
    background_surface_shown_ = surface_shown;
  }
  QPainter painter(this);
  painter.drawPixmap(0, 0, background_);
}

void CRecboxViewerDlg::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (!initialised_) return;
  ApplyLayout();
  playback_->LayoutChanged();
}

void CRecboxViewerDlg::ClearTopButtonHover() {
  for (int id : {button_id::kOpen, button_id::kSaveCopy, button_id::kCapture,
                 button_id::kLayoutToggle, button_id::kPrint, button_id::kSetting, button_id::kZoom,
                 button_id::kAbout, button_id::kMin, button_id::kMax, button_id::kClose}) {
    buttons_[id]->ClearHover();
  }
}

void CRecboxViewerDlg::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || isMaximized()) {
    QDialog::mousePressEvent(event);
    return;
  }
  const QPoint pos = event->position().toPoint();
  const FrameHit hit = HitTest(pos.x(), pos.y(), width(), height());
  if (hit == FrameHit::kClient) {
    moving_ = true;
    grab_point_ = pos;
  } else {
    resizing_ = true;
    resize_edge_ = hit;
    resize_start_ = geometry();
  }
}

void CRecboxViewerDlg::mouseMoveEvent(QMouseEvent* event) {
  ClearTopButtonHover();
  const QPoint global = event->globalPosition().toPoint();
  if (resizing_) {
    const Rect start{resize_start_.left(), resize_start_.top(),
                     resize_start_.left() + resize_start_.width(),
                     resize_start_.top() + resize_start_.height()};
    const Rect target = ResizeFromEdge(resize_edge_, start, {global.x(), global.y()});
    setGeometry(target.left, target.top, target.Width(), target.Height());
    return;
  }
  if (moving_) {
    const Point corner = MoveByGrab({grab_point_.x(), grab_point_.y()}, {global.x(), global.y()});
    move(corner.x, corner.y);
    return;
  }
  const QPoint pos = event->position().toPoint();
  setCursor(isMaximized() ? Qt::ArrowCursor
                          : FrameCursor(HitTest(pos.x(), pos.y(), width(), height())));
}

void CRecboxViewerDlg::mouseReleaseEvent(QMouseEvent* event) {
  moving_ = false;
  resizing_ = false;
  QDialog::mouseReleaseEvent(event);
}

void CRecboxViewerDlg::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (event->button() == Qt::LeftButton &&
      IsTopBandDoubleClick(layout_.mode, Loading(), pos.x(), pos.y(), width())) {
    OnCommand(button_id::kMax);
  }
}

void CRecboxViewerDlg::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CRecboxViewerDlg::dropEvent(QDropEvent* event) {
  Drop(LocalPathsOf(event->mimeData()->urls()));
  event->acceptProposedAction();
}

}  // namespace vantrel::ui
