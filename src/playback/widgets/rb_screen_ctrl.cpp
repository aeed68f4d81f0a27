#include "playback/widgets/rb_screen_ctrl.h"

#include <QContextMenuEvent>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <cstdint>
#include <cstring>

namespace vantrel::ui {
namespace {

constexpr char kWindowName[] = "RbScreenWnd";

// Larger pictures than this are not something the engine makes; such a call is refused rather
// than allowed to allocate without bound.
constexpr int kMaxPictureSide = 16384;

QRect StartingRect(int id) {
  return id == kFrontSurfaceId ? QRect(0, 0, 300, 200) : QRect(0, 0, 100, 100);
}

bool IsUsable(const SinkPicture& picture) {
  if (picture.pixels == nullptr || picture.width <= 0 || picture.height <= 0) return false;
  if (picture.width > kMaxPictureSide || picture.height > kMaxPictureSide) return false;
  return static_cast<int64_t>(picture.stride) >= static_cast<int64_t>(picture.width) * 4;
}

bool HasPlaybackMenu(int language_index) { return language_index >= 0 && language_index <= 3; }

}  // namespace

CRbScreenCtrl::CRbScreenCtrl(int id, QWidget* parent) : QWidget(parent), id_(id) {
  setObjectName(kWindowName);
  setGeometry(StartingRect(id));
  // A hidden widget gets no resize event until it is shown, and the engine may ask for the size
  // before that.
  StoreClientSize(size());
  hide();
}

CRbScreenCtrl::~CRbScreenCtrl() {
  // After this no Present asks for a repaint; one already asked for is dropped with the object.
  std::lock_guard lock(picture_mutex_);
  closing_ = true;
}

QImage CRbScreenCtrl::TakePicture() const {
  std::lock_guard lock(picture_mutex_);
  return picture_.copy();
}

SinkRect CRbScreenCtrl::ClientRect() const {
  return SinkRect{client_width_.load(std::memory_order_relaxed),
                  client_height_.load(std::memory_order_relaxed)};
}

void CRbScreenCtrl::Present(const SinkPicture& picture) {
  if (!IsUsable(picture)) return;
  std::lock_guard lock(picture_mutex_);
  if (closing_) return;
  // Write into the buffer in place unless a paint still holds it or the size changed.
  if (picture_.width() != picture.width || picture_.height() != picture.height ||
      !picture_.isDetached()) {
    // Out of memory: keep no picture rather than fail later.
    picture_ = QImage(picture.width, picture.height, QImage::Format_RGB32);
  }
  if (!picture_.isNull()) {
    const size_t row_bytes = static_cast<size_t>(picture.width) * 4;
    for (int y = 0; y < picture.height; ++y) {
      std::memcpy(picture_.scanLine(y), picture.pixels + static_cast<ptrdiff_t>(y) * picture.stride,
                  row_bytes);
    }
  }
  if (repaint_asked_) return;
  repaint_asked_ = true;
  // Queued to the user-interface thread; a call still queued when the surface is destroyed is
  // dropped with it.
  QMetaObject::invokeMethod(
      this,
      [this] {
        bool covered = false;
        {
          std::lock_guard relock(picture_mutex_);
          repaint_asked_ = false;
          covered = !picture_.isNull();
        }
        // A picture covers the whole surface, so the window behind it is not painted again for
        // every new one; without a picture the window's background shows through.
        setAttribute(Qt::WA_OpaquePaintEvent, covered);
        update();
      },
      Qt::QueuedConnection);
}

void CRbScreenCtrl::paintEvent(QPaintEvent*) {
  QImage picture;
  {
    std::lock_guard lock(picture_mutex_);
    picture = picture_;  // shares the buffer; the next Present writes into a fresh one
  }
  if (picture.isNull()) return;
  QPainter painter(this);
  if (picture.size() == size()) {
    painter.drawImage(QPoint(0, 0), picture);
  } else {
    // The engine has not caught up with a resize yet.
    painter.drawImage(rect(), picture);
  }
}

void CRbScreenCtrl::resizeEvent(QResizeEvent* event) {
  StoreClientSize(event->size());
  QWidget::resizeEvent(event);
}

void CRbScreenCtrl::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::RightButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  // The click is the surface's whether or not a menu opens, so the window under it does not
  // open a second one.
  event->accept();
  if (HasPlaybackMenu(language_index_))
    emit playbackMenuRequested(event->globalPosition().toPoint());
}

void CRbScreenCtrl::contextMenuEvent(QContextMenuEvent* event) {
  // The menu was asked for on the button press already.
  event->accept();
}

void CRbScreenCtrl::StoreClientSize(const QSize& size) {
  client_width_.store(size.width(), std::memory_order_relaxed);
  client_height_.store(size.height(), std::memory_order_relaxed);
}

}  // namespace vantrel::ui
