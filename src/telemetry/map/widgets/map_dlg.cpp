#include "telemetry/map/widgets/map_dlg.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "telemetry/map/widgets/rb_map_panel_ctrl.h"
#include "ui/skin/panel_text.h"
#include "ui/skin/rb_button_ctrl.h"
#include "ui/skin/rb_text_ctrl.h"
#include "ui/skin/skin_colours.h"

namespace vantrel::ui {
namespace {

constexpr QPoint kInitialPosition(800, 100);
constexpr ButtonImages kCloseImages{157, 158, 159, 0, 0};

}  // namespace

CMapDlg::CMapDlg(int language_index, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("MapDlg"));
  setWindowTitle(QString());
  setMinimumSize(kMapDlgMinimumSize, kMapDlgMinimumSize);
  setGeometry(QRect(kInitialPosition, QSize(kMapDlgMinimumSize, kMapDlgMinimumSize)));
  setMouseTracking(true);

  close_ = new CRbButtonCtrl(kMapDlgCloseId, this);
  close_->setFixedSize(30, 24);
  close_->SetImages(kCloseImages);
  close_->setFocusPolicy(Qt::NoFocus);
  connect(close_, &QAbstractButton::clicked, this, &CMapDlg::closeRequested);
  host_ = new CRbMapPanelCtrl(kMapDlgHostId, this);
  title_ = new CRbTextCtrl(kMapDlgTitleId, kPopupTitlePanel, language_index, this);
  position_ = new CRbTextCtrl(kMapDlgPositionId, kPopupPositionPanel, language_index, this);
  for (CRbTextCtrl* panel : {title_, position_}) {
    panel->setObjectName(QStringLiteral("RbTextWnd"));
    panel->SetBackground(kMapBlockBackground);
  }
  Relayout();
  initialised_ = true;
}

void CMapDlg::SetLanguageIndex(int language_index) {
  title_->SetLanguageIndex(language_index);
  position_->SetLanguageIndex(language_index);
}

void CMapDlg::SetPosition(float latitude, float longitude) {
  position_->SetPosition(latitude, longitude);
}

void CMapDlg::Relayout() {
  const int w = width();
  const int h = height();
  close_->move(w - 40, 5);
  host_->setGeometry(5, 35, w - 10, h - 65);
  title_->setGeometry(5, 10, 50, 20);
  position_->setGeometry(5, h - 26, 300, 20);
}

void CMapDlg::paintEvent(QPaintEvent*) { QPainter(this).fillRect(rect(), kMapBlockBackground); }

void CMapDlg::resizeEvent(QResizeEvent*) {
  if (initialised_) Relayout();
}

void CMapDlg::keyPressEvent(QKeyEvent* event) {
  // Escape would close a dialog; the pop-up closes only by its button.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void CMapDlg::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  hit_ = FrameHitAt(at.x(), at.y(), width(), height(), kMapDlgBorderBand);
  resizing_ = hit_ != FrameHit::kClient;
  moving_ = !resizing_;
  press_point_ = at;
}

void CMapDlg::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pointer = event->globalPosition().toPoint();
  if (resizing_) {
    const QRect frame = geometry();
    const FrameEdges edges = DragFrameEdge(
        hit_,
        {frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()},
        pointer.x(), pointer.y(), kMapDlgMinimumSize, kMapDlgMinimumSize);
    setGeometry(edges.left, edges.top, edges.right - edges.left, edges.bottom - edges.top);
  } else if (moving_) {
    move(pointer - press_point_);
  } else {
    const QPoint at = event->position().toPoint();
    setCursor(FrameCursor(FrameHitAt(at.x(), at.y(), width(), height(), kMapDlgBorderBand)));
  }
}

void CMapDlg::mouseReleaseEvent(QMouseEvent*) {
  resizing_ = false;
  moving_ = false;
}

}  // namespace vantrel::ui
