#include "ui/skin/skin_images.h"

#include <QFile>
#include <QPainter>
#include <QString>
#include <mutex>
#include <unordered_map>

#include "ui/skin/skin_image_ids.h"

// The generated resource file is compiled into this static library; a static library's
// resources register only when asked to, and Q_INIT_RESOURCE must be used outside a namespace.
static void RegisterSkinResources() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(vantrel_skin_images);
    return true;
  }();
  (void)registered;
}

namespace vantrel::ui {
namespace {

QString BitmapPath(int id) { return QStringLiteral(":/bitmap/%1").arg(id); }
QString PngPath(int id) { return QStringLiteral(":/png/%1").arg(id); }

}  // namespace

SkinImageKind SkinImageOf(int id) {
  RegisterSkinResources();
  if (id <= 0) return SkinImageKind::kNone;
  if (QFile::exists(BitmapPath(id))) return SkinImageKind::kBitmap;
  if (QFile::exists(PngPath(id))) return SkinImageKind::kPng;
  return SkinImageKind::kNone;
}

QImage LoadSkinImage(int id) {
  // The images are compiled in and never change: each is read once and shared from then on, as
  // the controls paint them on every repaint.
  static std::mutex lock;
  static std::unordered_map<int, QImage> loaded;
  std::lock_guard guard(lock);
  if (const auto found = loaded.find(id); found != loaded.end()) return found->second;
  QImage image;
  switch (SkinImageOf(id)) {
    case SkinImageKind::kBitmap:
      image = QImage(BitmapPath(id));
      break;
    case SkinImageKind::kPng:
      image = QImage(PngPath(id));
      break;
    case SkinImageKind::kNone:
      break;
  }
  loaded.emplace(id, image);
  return image;
}

void DrawSkinBitmap(QPainter& painter, int id, int x, int y, int w, int h, bool transparent,
                    QColor transparent_colour) {
  QImage image = LoadSkinImage(id);
  if (image.isNull() || w <= 0 || h <= 0) return;
  image = image.copy(0, 0, std::min(w, image.width()), std::min(h, image.height()));
  if (transparent) {
    const QImage mask = image.createMaskFromColor(transparent_colour.rgb(), Qt::MaskOutColor);
    image = image.convertToFormat(QImage::Format_ARGB32);
    image.setAlphaChannel(mask);
  }
  painter.drawImage(x, y, image);
}

void BlitSkinBitmap(QPainter& painter, int id, int x, int y, int w, int h, int sx, int sy) {
  const QImage image = LoadSkinImage(id);
  if (image.isNull() || w <= 0 || h <= 0) return;
  painter.drawImage(x, y, image, sx, sy, w, h);
}

void StretchSkinBitmap(QPainter& painter, int id, int x, int y, int w, int h, int sw, int sh) {
  const QImage image = LoadSkinImage(id);
  if (image.isNull() || w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRect(x, y, w, h), image, QRect(0, 0, sw, sh));
  painter.restore();
}

void DrawSkinPng(QPainter& painter, int id, int x, int y) {
  const QImage image = LoadSkinImage(id);
  if (image.isNull()) return;
  painter.drawImage(x, y, image);
}

void DrawVideoFrame(QPainter& painter, int left, int top, int width, int height) {
  const int f = kVideoFrameWidth;
  const int right = left + width;
  const int bottom = top + height;
  BlitSkinBitmap(painter, kFrameTopLeft, left - f, top - f, f, f, 0, 0);
  BlitSkinBitmap(painter, kFrameTopRight, right, top - f, f, f, 0, 0);
  BlitSkinBitmap(painter, kFrameBottomLeft, left - f, bottom, f, f, 0, 0);
  BlitSkinBitmap(painter, kFrameBottomRight, right, bottom, f, f, 0, 0);
  StretchSkinBitmap(painter, kFrameTop, left, top - f, width, f, kFrameEdgeTile, f);
  StretchSkinBitmap(painter, kFrameBottom, left, bottom, width, f, kFrameEdgeTile, f);
  StretchSkinBitmap(painter, kFrameLeft, left - f, top, f, height, f, kFrameEdgeTile);
  StretchSkinBitmap(painter, kFrameRight, right, top, f, height, f, kFrameEdgeTile);
}

}  // namespace vantrel::ui
