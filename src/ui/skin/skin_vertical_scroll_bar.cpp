#include "ui/skin/skin_vertical_scroll_bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "ui/skin/skin_colours.h"
#include "ui/skin/skin_image_ids.h"
#include "ui/skin/skin_images.h"

namespace vantrel::ui {
namespace {

constexpr int kTrackImageWidth = 12;
constexpr int kTrackImageHeight = 1;

}  // namespace

CSkinVerticleScrollbar::CSkinVerticleScrollbar(QScrollBar* source, QWidget* parent,
                                               ScrollRepeatTimings timings)
    : QWidget(parent), source_(source), timings_(timings) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFixedWidth(kScrollBarWidth);
  first_delay_.setSingleShot(true);
  connect(&first_delay_, &QTimer::timeout, this, [this] { repeat_.start(timings_.repeat_ms); });
  connect(&repeat_, &QTimer::timeout, this, &CSkinVerticleScrollbar::Repeat);
  if (source_ != nullptr) {
    connect(source_, &QScrollBar::valueChanged, this, &CSkinVerticleScrollbar::UpdateScrollBar);
    connect(source_, &QScrollBar::rangeChanged, this, &CSkinVerticleScrollbar::UpdateScrollBar);
  }
}

void CSkinVerticleScrollbar::UpdateScrollBar() {
  const int limit = source_ != nullptr ? source_->maximum() : 0;
  const int position = source_ != nullptr ? source_->value() : 0;
  if (!dragging_) thumb_top_ = ScrollThumbTop(height(), limit, position);
  update();
}

void CSkinVerticleScrollbar::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  UpdateScrollBar();
}

void CSkinVerticleScrollbar::paintEvent(QPaintEvent*) {
  QPixmap canvas(size());
  canvas.fill(kScrollBarBackground);
  QPainter painter(&canvas);
  const int h = height();
  DrawSkinBitmap(painter, kScrollUpImage, 0, 0, kScrollBarWidth, kScrollArrowHeight, false, {});
  StretchSkinBitmap(painter, kScrollTrackImage, 0, kScrollArrowHeight, kScrollBarWidth,
                    h - 2 * kScrollArrowHeight, kTrackImageWidth, kTrackImageHeight);
  DrawSkinBitmap(painter, kScrollDownImage, 0, h - kScrollArrowHeight, kScrollBarWidth,
                 kScrollArrowHeight, false, {});
  // The thumb's picture is squeezed to the part that reacts as the thumb, so that it never
  // covers the bottom arrow at the end of the track.
  if (source_ != nullptr && source_->maximum() > 0) {
    const QImage thumb = LoadSkinImage(kScrollThumbImage);
    if (!thumb.isNull()) {
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
      painter.drawImage(QRect(0, thumb_top_, kScrollBarWidth, kScrollThumbExtent), thumb);
    }
  }
  painter.end();
  QPainter(this).drawPixmap(0, 0, canvas);
}

void CSkinVerticleScrollbar::ScrollBy(int rows) {
  if (source_ != nullptr) source_->setValue(source_->value() + rows);
  UpdateScrollBar();
}

void CSkinVerticleScrollbar::Repeat() {
  if (up_held_) ScrollBy(-1);
  if (down_held_) ScrollBy(1);
}

void CSkinVerticleScrollbar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  switch (ScrollBarPartAt(event->position().toPoint().y(), height(), thumb_top_)) {
    case ScrollBarPart::kThumb:
      dragging_ = true;
      break;
    case ScrollBarPart::kUpArrow:
      up_held_ = true;
      first_delay_.start(timings_.first_delay_ms);
      break;
    case ScrollBarPart::kDownArrow:
      down_held_ = true;
      first_delay_.start(timings_.first_delay_ms);
      break;
    default:
      break;
  }
}

void CSkinVerticleScrollbar::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_ || source_ == nullptr) return;
  const double scale = ScrollScale(height(), source_->maximum());
  const int wanted = event->position().toPoint().y() - kScrollThumbGrip;
  const int target = ScrollTargetOfThumb(wanted, scale);
  if (target >= 0) source_->setValue(target);
  thumb_top_ = ClampScrollThumb(height(), wanted);
  update();
}

void CSkinVerticleScrollbar::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  first_delay_.stop();
  repeat_.stop();
  const int y = event->position().toPoint().y();
  const ScrollBarPart part = ScrollBarPartAt(y, height(), thumb_top_);
  const int page = source_ != nullptr ? std::max(source_->pageStep(), 1) : 1;
  if (part == ScrollBarPart::kUpArrow && up_held_) {
    ScrollBy(-1);
  } else if (part == ScrollBarPart::kDownArrow && down_held_) {
    ScrollBy(1);
  } else if (!dragging_ && part == ScrollBarPart::kPageDown) {
    ScrollBy(page);
  } else if (!dragging_ && part == ScrollBarPart::kPageUp) {
    ScrollBy(-page);
  }
  up_held_ = false;
  down_held_ = false;
  dragging_ = false;
  UpdateScrollBar();
}

}  // namespace vantrel::ui
