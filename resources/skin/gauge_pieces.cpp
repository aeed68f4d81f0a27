#include "gauge_pieces.h"

#include <QFont>
#include <QPainter>
#include <array>

namespace {

const QColor kKeyWhite(255, 255, 255);
const QColor kLit(255, 176, 32);
// An unlit segment: a faint ghost, as on a real display, so that hidden places still read as
// places.
const QColor kUnlit(30, 29, 27);

// Segments in a 13 x 19 cell, pixel-exact so the digits stay crisp: a top, b upper right,
// c lower right, d bottom, e lower left, f upper left, g middle.
const std::array<QRect, 7> kSegments = {
    QRect(3, 1, 7, 2),    // a
    QRect(10, 3, 2, 5),   // b
    QRect(10, 10, 2, 5),  // c
    QRect(3, 15, 7, 2),   // d
    QRect(1, 10, 2, 5),   // e
    QRect(1, 3, 2, 5),    // f
    QRect(3, 8, 7, 2),    // g
};

// Which segments each digit lights, a..g as bits 0..6.
constexpr std::array<int, 10> kDigitSegments = {0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                                0x6D, 0x7D, 0x07, 0x7F, 0x6F};

void DrawCell(QPainter& p, int x, int y, int lit_mask) {
  for (int s = 0; s < 7; ++s) {
    p.fillRect(kSegments[s].translated(x, y), (lit_mask >> s) & 1 ? kLit : kUnlit);
  }
}

// The places where the gauge puts its digits and point; the background shows ghost cells there.
constexpr std::array<int, 4> kPlaceX = {10, 25, 41, 61};
constexpr int kPlaceY = 11;
constexpr int kPointX = 56;
const QRect kPointDot(0, 15, 3, 2);

void DrawBackground(QImage& image) {
  image.fill(QColor(34, 44, 54));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF face = QRectF(image.rect()).adjusted(1.5, 1.5, -1.5, -1.5);
  p.setPen(QPen(QColor(88, 100, 112), 1));
  p.setBrush(QColor(12, 14, 16));
  p.drawRoundedRect(face, 5, 5);
  p.setRenderHint(QPainter::Antialiasing, false);
  for (int x : kPlaceX) DrawCell(p, x, kPlaceY, 0);
  p.fillRect(kPointDot.translated(kPointX, kPlaceY), kUnlit);
  QFont font("Sans");
  font.setPixelSize(11);
  font.setBold(true);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(font);
  p.setPen(QColor(150, 160, 170));
  p.drawText(QRect(80, 14, image.width() - 84, 16), Qt::AlignCenter, "km/h");
}

}  // namespace

bool DrawGaugePiece(QImage& image, const QString& look, const QString& state, QString& error) {
  if (look == "gauge") {
    DrawBackground(image);
    return true;
  }
  image.fill(kKeyWhite);
  QPainter p(&image);
  if (look == "point") {
    p.fillRect(kPointDot, kLit);
    return true;
  }
  bool ok = false;
  const int digit = state.toInt(&ok);
  if (look != "digit" || !ok || digit < 0 || digit > 9) {
    error = "unknown gauge piece";
    return false;
  }
  DrawCell(p, 0, 0, kDigitSegments[digit]);
  return true;
}
