#include "notice_pieces.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kGlyph(150, 162, 174);
const QColor kWarning(230, 80, 70);

// The largest bold face up to `largest` pixels whose text fits `width`.
QFont FittingFont(const QString& words, int width, int largest) {
  QFont font("Sans");
  font.setBold(true);
  for (int pixels = largest; pixels >= 8; --pixels) {
    font.setPixelSize(pixels);
    if (QFontMetrics(font).horizontalAdvance(words) <= width) break;
  }
  return font;
}

// A map pin in a 24 x 24 box.
void DrawPin(QPainter& p) {
  QPainterPath pin;
  pin.moveTo(12, 22);
  pin.cubicTo(7, 16, 5, 13, 5, 9);
  pin.arcTo(QRectF(5, 2, 14, 14), 180, -180);
  pin.cubicTo(19, 13, 17, 16, 12, 22);
  p.setPen(QPen(kGlyph, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(pin);
  p.drawEllipse(QPointF(12, 9), 2.5, 2.5);
}

// A globe in a 24 x 24 box.
void DrawGlobe(QPainter& p) {
  p.setPen(QPen(kGlyph, 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(12, 12), 9, 9);
  p.drawEllipse(QPointF(12, 12), 4, 9);
  p.drawLine(QPointF(3, 12), QPointF(21, 12));
  p.drawLine(QPointF(12, 3), QPointF(12, 21));
}

void DrawMapNote(QImage& image, bool offline, const QString& words) {
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QRectF plate = QRectF(image.rect()).adjusted(1.5, 1.5, -1.5, -1.5);
  p.setPen(QPen(QColor(62, 72, 84), 1));
  p.setBrush(QColor(34, 40, 48, 230));
  p.drawRoundedRect(plate, 8, 8);

  const qreal side = image.height() * 0.4;
  p.save();
  p.translate((image.width() - side) / 2, image.height() * 0.12);
  p.scale(side / 24, side / 24);
  offline ? DrawGlobe(p) : DrawPin(p);
  p.setPen(QPen(kWarning, 2.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(4, 20), QPointF(20, 4));
  p.restore();

  const int margin = 10;
  p.setFont(FittingFont(words, image.width() - 2 * margin, 15));
  p.setPen(QColor(214, 220, 226));
  const int text_top = int(image.height() * 0.62);
  p.drawText(QRect(margin, text_top, image.width() - 2 * margin, image.height() - text_top - 6),
             Qt::AlignHCenter | Qt::AlignTop, words);
}

void DrawBanner(QImage& image, const QString& words) {
  QPainter p(&image);
  QLinearGradient gradient(0, 0, image.width(), 0);
  gradient.setColorAt(0, QColor(0, 104, 110));
  gradient.setColorAt(1, QColor(13, 17, 21));
  p.fillRect(image.rect(), gradient);
  p.fillRect(0, image.height() - 2, image.width(), 2, QColor(0, 160, 170));
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(FittingFont(words, image.width() - 24, image.height() / 2 + 2));
  p.setPen(QColor(255, 255, 255));
  p.drawText(QRect(12, 0, image.width() - 24, image.height() - 2), Qt::AlignVCenter | Qt::AlignLeft,
             words);
}

}  // namespace

bool DrawNoticePiece(QImage& image, const QString& look, const QString& state, const QString& words,
                     QString& error) {
  if (words.isEmpty() || words == "-") {
    error = "a notice needs its words";
    return false;
  }
  if (look == "banner") {
    DrawBanner(image, words);
    return true;
  }
  if (look == "map-note" && (state == "no-gps" || state == "offline")) {
    DrawMapNote(image, state == "offline", words);
    return true;
  }
  error = "unknown notice";
  return false;
}
