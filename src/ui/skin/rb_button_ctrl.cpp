#include "ui/skin/rb_button_ctrl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QVariant>

#include "ui/skin/skin_colours.h"
#include "ui/skin/skin_image_ids.h"
#include "ui/skin/skin_images.h"

namespace vantrel::ui {
namespace {

// The top band's share of a top-bar button, and the piece of image 1057 that continues it.
constexpr int kTopBandHeight = 7;
constexpr int kTopBackWidth = 32;
constexpr int kTopBackHeight = 8;
constexpr int kTopBackSourceY = 9;
constexpr int kTopBarLayout = 1;

}  // namespace

CRbButtonCtrl::CRbButtonCtrl(int id, QWidget* parent) : QAbstractButton(parent), id_(id) {
  setMouseTracking(true);
  // The recording list keeps the keyboard; a click on a button must not take it away.
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CRbButtonCtrl::SetImages(int normal, int pressed, int hover, int disabled, int selected) {
  SetImages(ButtonImages{normal, pressed, hover, disabled, selected});
}

void CRbButtonCtrl::SetImages(const ButtonImages& images) {
  images_ = images;
  shown_.reset();
  updateGeometry();
  update();
}

void CRbButtonCtrl::SetSelected(bool selected) {
  selected_ = selected;
  shown_.reset();
  update();
}

void CRbButtonCtrl::SetSkinEnabled(bool enabled) {
  skin_enabled_ = enabled;
  hover_tracking_ = false;
  shown_.reset();
  update();
}

void CRbButtonCtrl::SetTopBar(bool top_bar) {
  top_bar_ = top_bar;
  update();
}

int CRbButtonCtrl::ShownImage() const {
  return shown_.value_or(CurrentButtonImage(images_, skin_enabled_, selected_));
}

void CRbButtonCtrl::ClearHover() {
  if (!hover_tracking_) return;
  hover_tracking_ = false;
  shown_.reset();
  update();
}

QSize CRbButtonCtrl::sizeHint() const {
  const QImage image = LoadSkinImage(images_.normal);
  return image.isNull() ? QSize(kPlaybackButtonSize, kPlaybackButtonSize) : image.size();
}

void CRbButtonCtrl::Show(int image) {
  shown_ = image;
  update();
}

void CRbButtonCtrl::ShowHover() {
  if (!skin_enabled_ || hover_tracking_ || images_.hover == 0) return;
  hover_tracking_ = true;
  Show(images_.hover);
}

bool CRbButtonCtrl::InTopBarLayout() const {
  return window()->property("layoutMode").toInt() == kTopBarLayout;
}

void CRbButtonCtrl::paintEvent(QPaintEvent*) {
  QPixmap canvas(size());
  QPainter painter(&canvas);
  if (top_bar_ && InTopBarLayout()) {
    painter.fillRect(0, 0, width(), kTopBandHeight, kTopBarBand);
    painter.fillRect(0, kTopBandHeight, width(), height() - kTopBandHeight, kSkinBackground);
    BlitSkinBitmap(painter, kTopButtonBackImage, 0, 0, kTopBackWidth, kTopBackHeight, 0,
                   kTopBackSourceY);
  } else {
    painter.fillRect(rect(), kSkinBackground);
  }
  const int image = ShownImage();
  switch (SkinImageOf(image)) {
    case SkinImageKind::kBitmap:
      DrawSkinBitmap(painter, image, 0, 0, width(), height(), false, QColor());
      break;
    case SkinImageKind::kPng:
      DrawSkinPng(painter, image, 0, 0);
      break;
    case SkinImageKind::kNone:
      break;
  }
  painter.end();
  QPainter(this).drawPixmap(0, 0, canvas);
}

void CRbButtonCtrl::mousePressEvent(QMouseEvent* event) {
  if (!skin_enabled_) {
    event->accept();  // swallowed: no click, and no drag of the window behind
    return;
  }
  if (event->button() == Qt::LeftButton && images_.pressed != 0) Show(images_.pressed);
  QAbstractButton::mousePressEvent(event);
}

void CRbButtonCtrl::mouseReleaseEvent(QMouseEvent* event) {
  if (!skin_enabled_) {
    event->accept();
    return;
  }
  if (event->button() == Qt::LeftButton) {
    if (const int image = ReleasedButtonImage(images_, selected_); image != 0) Show(image);
  }
  QAbstractButton::mouseReleaseEvent(event);
}

void CRbButtonCtrl::mouseMoveEvent(QMouseEvent* event) {
  ShowHover();
  QAbstractButton::mouseMoveEvent(event);
}

void CRbButtonCtrl::enterEvent(QEnterEvent* event) {
  ShowHover();
  QAbstractButton::enterEvent(event);
}

void CRbButtonCtrl::leaveEvent(QEvent* event) {
  ClearHover();
  QAbstractButton::leaveEvent(event);
}

}  // namespace vantrel::ui
