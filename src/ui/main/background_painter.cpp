#include "ui/main/background_painter.h"

#include <QPainter>

#include "ui/skin/skin_colours.h"
#include "ui/skin/skin_image_ids.h"
#include "ui/skin/skin_images.h"

namespace vantrel::ui {
namespace {

QRect ToQRect(const Rect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }

void PaintTopBand(QPainter& painter, int width) {
  for (int x = 0; x < width; x += kTopStripTileWidth) {
    BlitSkinBitmap(painter, kTopStripImage, x, 0, kTopStripTileWidth, kTopStripHeight, 0, 0);
  }
  DrawSkinBitmap(painter, kTopStripImage, 0, 0, kTopStripLogoWidth, kTopStripHeight, false,
                 QColor());
}

void PaintVideoArea(QPainter& painter, const Rect& video, bool surface_visible) {
  DrawVideoFrame(painter, video.left, video.top, video.Width(), video.Height());
  if (surface_visible) {
    painter.fillRect(ToQRect(video), kSkinBackground);
    painter.setPen(kVideoBorder);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(video.left, video.top, video.Width() - 1, video.Height() - 1);
    return;
  }
  // The empty-screen picture is made for the smallest window; larger windows stretch it.
  const QImage empty = LoadSkinImage(kEmptyVideoImage);
  if (empty.isNull()) {
    painter.fillRect(ToQRect(video), kSkinBackground);
    return;
  }
  StretchSkinBitmap(painter, kEmptyVideoImage, video.left, video.top, video.Width(), video.Height(),
                    empty.width(), empty.height());
}

}  // namespace

void PaintBackground(QPainter& painter, const MainLayout& layout, QSize size,
                     bool surface_visible) {
  painter.fillRect(QRect(QPoint(0, 0), size), kSkinBackground);
  PaintTopBand(painter, size.width());
  PaintVideoArea(painter, layout.video_area, surface_visible);
  painter.fillRect(ToQRect(layout.gsensor_band), kGsensorBackground);
  if (layout.mode == kFullLayout) {
    painter.fillRect(ToQRect(layout.map_block), kMapBlockBackground);
    painter.fillRect(ToQRect(layout.list_block), kListBlockBackground);
  }
}

QPixmap RenderBackground(const MainLayout& layout, QSize size, bool surface_visible) {
  QPixmap pixmap(size);
  QPainter painter(&pixmap);
  PaintBackground(painter, layout, size, surface_visible);
  return pixmap;
}

}  // namespace vantrel::ui
