// What a skinned control should look like, built from the skin images for comparing with a
// grab of the control.
#pragma once

#include <QPainter>
#include <QWidget>

#include "ui/skin/skin_colours.h"
#include "ui/skin/skin_images.h"

namespace vantrel::ui {

// The image over the skin background, at size.
inline QImage ImageOnBackground(int id, QSize size) {
  QImage expected(size, QImage::Format_RGB32);
  expected.fill(kSkinBackground);
  QPainter painter(&expected);
  const QImage image = LoadSkinImage(id);
  if (!image.isNull()) painter.drawImage(0, 0, image);
  return expected;
}

inline QImage Grab(QWidget& widget) {
  return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace vantrel::ui
