#include "telemetry/widgets/rb_speed_ctrl.h"

#include <QPainter>

#include "telemetry/speed_digits.h"
#include "ui/skin/skin_image_ids.h"
#include "ui/skin/skin_images.h"

namespace vantrel::ui {

QImage PaintSpeedGauge(QSize size, double km_per_hour) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  DrawSkinBitmap(painter, kGaugeBackImage, 0, 0, size.width(), size.height(), false, {});
  const QColor key(255, 255, 255);
  for (const GaugeDigit& digit : GaugeDigits(km_per_hour)) {
    DrawSkinBitmap(painter, kGaugeDigitImages[digit.digit], digit.x, kGaugeDigitY, kGaugeDigitWidth,
                   kGaugeDigitHeight, true, key);
  }
  DrawSkinBitmap(painter, kGaugePointImage, kGaugePointX, kGaugeDigitY, kGaugePointWidth,
                 kGaugeDigitHeight, true, key);
  return image;
}

CRbSpeedCtrl::CRbSpeedCtrl(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("RbSpeedWnd"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setGeometry(0, 0, kSpeedGaugeWidth, kSpeedGaugeHeight);
}

void CRbSpeedCtrl::paintEvent(QPaintEvent*) {
  QPainter(this).drawImage(0, 0, PaintSpeedGauge(size(), speed_));
}

}  // namespace vantrel::ui
