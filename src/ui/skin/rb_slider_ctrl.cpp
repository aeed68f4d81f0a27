#include "ui/skin/rb_slider_ctrl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "ui/skin/skin_colours.h"
#include "ui/skin/skin_image_ids.h"
#include "ui/skin/skin_images.h"
#include "ui/skin/slider_mappings.h"

namespace vantrel::ui {
namespace {

constexpr int kTrackHeight = 19;
constexpr int kCapWidth = 10;
constexpr int kFillHeight = 11;
constexpr int kFillY = 4;
constexpr int kFillTile = 3;
constexpr int kSeekTrackRightCap = 667;
constexpr int kSimpleTrackWidth = 100;
constexpr int kSimpleTrackRightCap = 90;
constexpr int kThumbSourceX = 1;
constexpr int kThumbWidth = 11;
constexpr int kSeekThumbHeight = 22;
constexpr int kSimpleThumbHeight = 13;

// A track of `width` pixels: the tile repeated, the caps at both ends, and the fill's first
// fill_width pixels laid into its groove.
QPixmap TrackWithFill(int width, int track_image, int right_cap_x, int fill_width) {
  QPixmap track(std::max(width, 1), kTrackHeight);
  track.fill(kSkinBackground);
  QPainter painter(&track);
  const QImage image = LoadSkinImage(track_image);
  if (!image.isNull()) {
    for (int x = 0; x <= width; x += kCapWidth) {
      painter.drawImage(x, 0, image, kCapWidth, 0, kCapWidth, kTrackHeight);
    }
    painter.drawImage(0, 0, image, 0, 0, kCapWidth, kTrackHeight);
    painter.drawImage(width - kCapWidth, 0, image, right_cap_x, 0, kCapWidth, kTrackHeight);
  }
  if (fill_width > 0) {
    const QImage start = LoadSkinImage(kFillStartImage);
    const QImage tile = LoadSkinImage(kFillTileImage);
    painter.setClipRect(0, kFillY, fill_width, kFillHeight);
    if (!tile.isNull()) {
      for (int x = kFillTile; x < fill_width; x += kFillTile) painter.drawImage(x, kFillY, tile);
    }
    if (!start.isNull()) painter.drawImage(0, kFillY, start);
  }
  return track;
}

}  // namespace

CRbSliderCtrl::CRbSliderCtrl(int id, QWidget* parent) : QSlider(Qt::Horizontal, parent), id_(id) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CRbSliderCtrl::SetEndInset(int inset) {
  end_inset_ = std::max(inset, 0);
  update();
}

int CRbSliderCtrl::FillWidth() const {
  return SeekFillWidth(value() - minimum(), maximum() - minimum(), width(), end_inset_);
}

void CRbSliderCtrl::paintEvent(QPaintEvent*) {
  QPixmap canvas(size());
  canvas.fill(kSkinBackground);
  QPainter painter(&canvas);
  const int fill = FillWidth();
  painter.drawPixmap(0, 0, TrackWithFill(width(), kSeekTrackImage, kSeekTrackRightCap, fill));
  // The thumb's middle sits on the end of the fill.
  BlitSkinBitmap(painter, kSeekThumbImage, fill - kThumbWidth / 2 - 1,
                 (height() - kSeekThumbHeight) / 2, kThumbWidth, kSeekThumbHeight, kThumbSourceX,
                 0);
  painter.end();
  QPainter(this).drawPixmap(0, 0, canvas);
}

void CRbSliderCtrl::SeekTo(int x) {
  const int ms = minimum() + SeekPositionAt(x, width(), maximum() - minimum());
  emit seekRequested(ms);
  setValue(ms);
}

void CRbSliderCtrl::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
  SeekTo(event->position().toPoint().x());
}

void CRbSliderCtrl::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) SeekTo(event->position().toPoint().x());
}

void CRbSliderCtrl::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragging_) return;
  dragging_ = false;
  SeekTo(event->position().toPoint().x());
  emit released();
}

CRbSimpleSliderCtrl::CRbSimpleSliderCtrl(int id, QWidget* parent)
    : QSlider(Qt::Horizontal, parent), id_(id) {
  setRange(0, kSimpleSliderMaximum);
  setPageStep(kSimpleSliderPage);
  setValue(kSimpleSliderMiddle);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

int CRbSimpleSliderCtrl::FillWidth() const {
  return SimpleFillWidth(value() - minimum(), maximum() - minimum());
}

void CRbSimpleSliderCtrl::paintEvent(QPaintEvent*) {
  QPixmap canvas(size());
  canvas.fill(kSkinBackground);
  QPainter painter(&canvas);
  const int fill = FillWidth();
  painter.drawPixmap(
      kTrackOffset, (height() - kTrackHeight) / 2,
      TrackWithFill(kSimpleTrackWidth, kSimpleTrackImage, kSimpleTrackRightCap, fill));
  BlitSkinBitmap(painter, kSimpleThumbImage, kTrackOffset + fill - kThumbWidth / 2 - 1,
                 height() / 2 - 7, kThumbWidth, kSimpleThumbHeight, kThumbSourceX, 0);
  painter.end();
  QPainter(this).drawPixmap(0, 0, canvas);
}

void CRbSimpleSliderCtrl::MoveTo(int x) {
  setSliderPosition(minimum() +
                    SeekPositionAt(x - kTrackOffset, kSimpleTrackWidth, maximum() - minimum()));
}

void CRbSimpleSliderCtrl::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  setSliderDown(true);
  MoveTo(event->position().toPoint().x());
}

void CRbSimpleSliderCtrl::mouseMoveEvent(QMouseEvent* event) {
  if (isSliderDown()) MoveTo(event->position().toPoint().x());
}

void CRbSimpleSliderCtrl::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !isSliderDown()) return;
  MoveTo(event->position().toPoint().x());
  setSliderDown(false);
}

}  // namespace vantrel::ui
