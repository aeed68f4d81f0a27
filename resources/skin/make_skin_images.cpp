// make_skin_images TABLE OUT_DIR: draws every skin image the table lists into
// OUT_DIR/bitmap/<id>.png or OUT_DIR/png/<id>.png and writes OUT_DIR/vantrel_skin_images.qrc naming
// them ":/bitmap/<id>" and ":/png/<id>". The look is a dark skin with light glyphs; each glyph is
// drawn in a 24 x 24 design box scaled to the image.
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <set>

#include "gauge_pieces.h"
#include "notice_pieces.h"

namespace {

const QColor kBackground(34, 44, 54);
const QColor kBand(80, 80, 80);
const QColor kAccent(0, 160, 170);
// The about box's background, behind its buttons.
const QColor kDialogBackground(13, 17, 21);

struct Entry {
  int line = 0;
  bool png = false;
  int id = 0;
  int width = 0;
  int height = 0;
  QString look;
  QString state;
  QString detail;
};

// Sizes past this are a typing error in the table, not a skin image.
constexpr int kLargestSide = 4096;

std::optional<Entry> ParseLine(const QString& text, int line, QString& error) {
  const QStringList fields = text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
  if (fields.size() < 6) {
    error = "expected: kind id size look state detail";
    return std::nullopt;
  }
  Entry entry;
  entry.line = line;
  if (fields[0] != "bitmap" && fields[0] != "png") {
    error = "kind must be bitmap or png";
    return std::nullopt;
  }
  entry.png = fields[0] == "png";
  bool id_ok = false;
  entry.id = fields[1].toInt(&id_ok);
  const QStringList size = fields[2].split('x');
  bool width_ok = false;
  bool height_ok = false;
  if (size.size() == 2) {
    entry.width = size[0].toInt(&width_ok);
    entry.height = size[1].toInt(&height_ok);
  }
  if (!id_ok || entry.id <= 0) {
    error = "bad id";
    return std::nullopt;
  }
  if (!width_ok || !height_ok || entry.width <= 0 || entry.height <= 0 ||
      entry.width > kLargestSide || entry.height > kLargestSide) {
    error = "bad size";
    return std::nullopt;
  }
  entry.look = fields[3];
  entry.state = fields[4];
  entry.detail = fields.mid(5).join(' ');
  return entry;
}

// --- Glyphs, in a 24 x 24 box -------------------------------------------------------------------

using GlyphPainter = std::function<void(QPainter&, const QColor&)>;

void Stroke(QPainter& p, const QColor& colour, qreal width = 2.0) {
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
}

void Solid(QPainter& p, const QColor& colour) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
}

QPolygonF Triangle(qreal left, qreal right, bool pointing_right) {
  const qreal tip = pointing_right ? right : left;
  const qreal base = pointing_right ? left : right;
  return QPolygonF({QPointF(base, 5), QPointF(tip, 12), QPointF(base, 19)});
}

const std::map<QString, GlyphPainter>& Glyphs() {
  static const std::map<QString, GlyphPainter> glyphs = {
      {"folder",
       [](QPainter& p, const QColor& c) {
         QPainterPath path;
         path.moveTo(3, 7);
         path.lineTo(9, 7);
         path.lineTo(11, 9);
         path.lineTo(21, 9);
         path.lineTo(21, 19);
         path.lineTo(3, 19);
         path.closeSubpath();
         Stroke(p, c);
         p.drawPath(path);
         p.drawLine(QPointF(3, 12), QPointF(21, 12));
       }},
      {"camera",
       [](QPainter& p, const QColor& c) {
         Stroke(p, c);
         p.drawRoundedRect(QRectF(3, 8, 18, 12), 2, 2);
         p.drawLine(QPointF(8, 8), QPointF(10, 5));
         p.drawLine(QPointF(10, 5), QPointF(14, 5));
         p.drawLine(QPointF(14, 5), QPointF(16, 8));
         p.drawEllipse(QPointF(12, 14), 3.5, 3.5);
       }},
      {"save-copy",
       [](QPainter& p, const QColor& c) {
         Stroke(p, c);
         p.drawRect(QRectF(4, 4, 12, 14));
         p.drawRect(QRectF(8, 8, 12, 14));
         p.drawLine(QPointF(14, 12), QPointF(14, 18));
         p.drawLine(QPointF(11, 15), QPointF(14, 18));
         p.drawLine(QPointF(17, 15), QPointF(14, 18));
       }},
      {"zoom",
       [](QPainter& p, const QColor& c) {
         Stroke(p, c);
         p.drawEllipse(QPointF(10, 10), 6, 6);
         Stroke(p, c, 3.0);
         p.drawLine(QPointF(14.5, 14.5), QPointF(20, 20));
         Stroke(p, c, 1.6);
         p.drawLine(QPointF(7, 10), QPointF(13, 10));
         p.drawLine(QPointF(10, 7), QPointF(10, 13));
       }},
      {"printer",
       [](QPainter& p, const QColor& c) {
         Stroke(p, c);
         p.drawRect(QRectF(7, 3, 10, 6));
         p.drawRoundedRect(QRectF(3, 9, 18, 8), 2, 2);
         p.drawRect(QRectF(7, 14, 10, 7));
       }},
      {"gear",
       [](QPainter& p, const QColor& c) {
         Stroke(p, c, 3.0);
         for (int i = 0; i < 8; ++i) {
           const qreal angle = i * M_PI / 4;
           p.drawLine(QPointF(12 + 6 * std::cos(angle), 12 + 6 * std::sin(angle)),
                      QPointF(12 + 9 * std::cos(angle), 12 + 9 * std::sin(angle)));
         }
         Stroke(p, c, 2.0);
         p.drawEllipse(QPointF(12, 12), 6, 6);
         p.drawEllipse(QPointF(12, 12), 2, 2);
       }},
      {"layout",
       [](QPainter& p, const QColor& c) {
         Stroke(p, c);
         p.drawRect(QRectF(3, 5, 18, 14));
         p.drawLine(QPointF(15, 5), QPointF(15, 19));
         p.drawLine(QPointF(3, 15), QPointF(15, 15));
       }},
      {"info",
       [](QPainter& p, const QColor& c) {
         Stroke(p, c);
         p.drawEllipse(QPointF(12, 12), 9, 9);
         Solid(p, c);
         p.drawEllipse(QPointF(12, 7.5), 1.5, 1.5);
         p.drawRect(QRectF(11, 10.5, 2, 7));
       }},
      {"minimise",
       [](QPainter& p, const QColor& c) {
         Stroke(p, c);
         p.drawLine(QPointF(6, 17), QPointF(18, 17));
       }},
      {"maximise",
       [](QPainter& p, const QColor& c) {
         Stroke(p, c);
         p.drawRect(QRectF(6, 6, 12, 12));
         p.drawLine(QPointF(6, 8), QPointF(18, 8));
       }},
      {"close",
       [](QPainter& p, const QColor& c) {
         Stroke(p, c);
         p.drawLine(QPointF(7, 7), QPointF(17, 17));
         p.drawLine(QPointF(17, 7), QPointF(7, 17));
       }},
      {"previous",
       [](QPainter& p, const QColor& c) {
         Solid(p, c);
         p.drawRect(QRectF(5, 5, 2.5, 14));
         p.drawPolygon(Triangle(8, 19, false));
       }},
      {"rewind",
       [](QPainter& p, const QColor& c) {
         Solid(p, c);
         p.drawPolygon(Triangle(3, 12, false));
         p.drawPolygon(Triangle(12, 21, false));
       }},
      {"play",
       [](QPainter& p, const QColor& c) {
         Solid(p, c);
         p.drawPolygon(Triangle(7, 19, true));
       }},
      {"pause",
       [](QPainter& p, const QColor& c) {
         Solid(p, c);
         p.drawRect(QRectF(6.5, 5, 4, 14));
         p.drawRect(QRectF(13.5, 5, 4, 14));
       }},
      {"forward",
       [](QPainter& p, const QColor& c) {
         Solid(p, c);
         p.drawPolygon(Triangle(3, 12, true));
         p.drawPolygon(Triangle(12, 21, true));
       }},
      {"next",
       [](QPainter& p, const QColor& c) {
         Solid(p, c);
         p.drawPolygon(Triangle(5, 16, true));
         p.drawRect(QRectF(16.5, 5, 2.5, 14));
       }},
      {"map",
       [](QPainter& p, const QColor& c) {
         QPainterPath pin;
         pin.moveTo(12, 21);
         pin.cubicTo(7, 15, 5, 12, 5, 9);
         pin.arcTo(QRectF(5, 2, 14, 14), 180, -180);
         pin.cubicTo(19, 12, 17, 15, 12, 21);
         Stroke(p, c);
         p.drawPath(pin);
         p.drawEllipse(QPointF(12, 9), 2.5, 2.5);
       }},
      {"speed",
       [](QPainter& p, const QColor& c) {
         Stroke(p, c);
         p.drawArc(QRectF(3, 5, 18, 18), 0, 180 * 16);
         p.drawLine(QPointF(12, 14), QPointF(17, 8));
         Solid(p, c);
         p.drawEllipse(QPointF(12, 14), 2, 2);
       }},
      {"sun",
       [](QPainter& p, const QColor& c) {
         Stroke(p, c);
         p.drawEllipse(QPointF(12, 12), 4, 4);
         for (int i = 0; i < 8; ++i) {
           const qreal angle = i * M_PI / 4;
           p.drawLine(QPointF(12 + 7 * std::cos(angle), 12 + 7 * std::sin(angle)),
                      QPointF(12 + 10 * std::cos(angle), 12 + 10 * std::sin(angle)));
         }
       }},
      {"speaker",
       [](QPainter& p, const QColor& c) {
         Solid(p, c);
         p.drawPolygon(QPolygonF({QPointF(3, 9), QPointF(7, 9), QPointF(12, 4), QPointF(12, 20),
                                  QPointF(7, 15), QPointF(3, 15)}));
         Stroke(p, c);
         p.drawArc(QRectF(9, 7, 8, 10), -60 * 16, 120 * 16);
         p.drawArc(QRectF(8, 3, 14, 18), -60 * 16, 120 * 16);
       }},
      {"speaker-muted",
       [](QPainter& p, const QColor& c) {
         Solid(p, c);
         p.drawPolygon(QPolygonF({QPointF(3, 9), QPointF(7, 9), QPointF(12, 4), QPointF(12, 20),
                                  QPointF(7, 15), QPointF(3, 15)}));
         Stroke(p, QColor(230, 80, 70));
         p.drawLine(QPointF(15, 9), QPointF(21, 15));
         p.drawLine(QPointF(21, 9), QPointF(15, 15));
       }},
      {"indicator",
       [](QPainter& p, const QColor& c) {
         Stroke(p, c, 1.5);
         p.drawRoundedRect(QRectF(5, 5, 14, 14), 3, 3);
       }},
  };
  return glyphs;
}

// --- Pieces
// ---------------------------------------------------------------------------------------

struct ButtonShade {
  QColor plate_top, plate_bottom, border, glyph;
  qreal shift = 0;
};

std::optional<ButtonShade> ShadeOf(const QString& state) {
  if (state == "normal")
    return ButtonShade{{60, 72, 86}, {40, 49, 59}, {88, 100, 112}, {214, 220, 226}};
  if (state == "pressed")
    return ButtonShade{{28, 35, 43}, {36, 44, 54}, {70, 80, 90}, {180, 190, 200}, 1};
  if (state == "hover") return ButtonShade{{74, 90, 106}, {52, 64, 76}, kAccent, {255, 255, 255}};
  if (state == "disabled")
    return ButtonShade{{44, 51, 59}, {38, 45, 53}, {58, 66, 74}, {96, 102, 110}};
  if (state == "selected")
    return ButtonShade{{0, 140, 140}, {0, 104, 110}, kAccent, {255, 255, 255}};
  return std::nullopt;
}

// A button: a rounded plate with the glyph in its middle, transparent around the plate (on the
// skin background for a bitmap, which has no transparency).
bool DrawButton(QImage& image, const Entry& entry, QString& error) {
  const auto shade = ShadeOf(entry.state);
  const auto glyph = Glyphs().find(entry.detail);
  if (!shade || glyph == Glyphs().end()) {
    error = "unknown button state or glyph";
    return false;
  }
  image.fill(entry.png ? QColor(Qt::transparent) : kBackground);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF plate = QRectF(image.rect()).adjusted(1, 1, -1, -1);
  QLinearGradient gradient(plate.topLeft(), plate.bottomLeft());
  gradient.setColorAt(0, shade->plate_top);
  gradient.setColorAt(1, shade->plate_bottom);
  p.setPen(QPen(shade->border, 1));
  p.setBrush(gradient);
  const qreal radius = std::min(plate.width(), plate.height()) / 5;
  p.drawRoundedRect(plate.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
  const qreal side = std::min(image.width(), image.height()) * 0.7;
  p.translate((image.width() - side) / 2 + shade->shift,
              (image.height() - side) / 2 + shade->shift);
  p.scale(side / 24, side / 24);
  glyph->second(p, shade->glyph);
  if (entry.detail == "indicator" && entry.state == "selected") {
    Solid(p, shade->glyph);
    p.drawEllipse(QPointF(12, 12), 4, 4);
  }
  return true;
}

// A face: an opaque plate with words (a channel's, or a dialog button's), on `background`.
bool DrawFace(QImage& image, const Entry& entry, const QColor& background, QString& error) {
  const auto shade = ShadeOf(entry.state);
  if (!shade || entry.detail.isEmpty()) {
    error = "unknown face state or no words";
    return false;
  }
  image.fill(background);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QRectF plate = QRectF(image.rect()).adjusted(1.5, 1.5, -1.5, -1.5);
  QLinearGradient gradient(plate.topLeft(), plate.bottomLeft());
  gradient.setColorAt(0, shade->plate_top);
  gradient.setColorAt(1, shade->plate_bottom);
  p.setPen(QPen(shade->border, 1));
  p.setBrush(gradient);
  p.drawRoundedRect(plate, 5, 5);
  QFont font("Sans");
  font.setBold(true);
  for (int pixels = 14; pixels >= 8; --pixels) {
    font.setPixelSize(pixels);
    if (QFontMetrics(font).horizontalAdvance(entry.detail) <= image.width() - 8) break;
  }
  p.setFont(font);
  p.setPen(shade->glyph);
  p.drawText(image.rect(), Qt::AlignCenter, entry.detail);
  return true;
}

void DrawStrip(QImage& image, const QString& name) {
  QPainter p(&image);
  for (int y = 0; y < image.height(); ++y) {
    QColor row = kBackground;
    if (y < 12) row = QColor(18 + y, 23 + y, 29 + y);
    if (y >= 12 && y < 19) row = kBand;
    p.fillRect(0, y, image.width(), 1, row);
  }
  QFont font("Sans");
  font.setPixelSize(15);
  font.setBold(true);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(font);
  p.setPen(QColor(120, 200, 205));
  p.drawText(QRect(20, 20, image.width() - 20, image.height() - 20), Qt::AlignVCenter, name);
}

void DrawTopBack(QImage& image) {
  QPainter p(&image);
  for (int y = 0; y < image.height(); ++y) {
    QColor row = kBackground;
    if (y < 9) row = QColor(21 + y, 26 + y, 32 + y);
    if (y >= 9 && y < 16) row = kBand;
    p.fillRect(0, y, image.width(), 1, row);
  }
}

void DrawEmptyVideo(QImage& image) {
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient gradient(0, 0, 0, image.height());
  gradient.setColorAt(0, QColor(24, 31, 39));
  gradient.setColorAt(1, QColor(14, 18, 23));
  p.fillRect(image.rect(), gradient);
  const qreal side = std::min(image.width(), image.height()) * 0.3;
  p.translate((image.width() - side) / 2, (image.height() - side) / 2);
  p.scale(side / 24, side / 24);
  Glyphs().at("camera")(p, QColor(60, 72, 86));
}

void DrawIcon(QImage& image) {
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient gradient(0, 0, 0, image.height());
  gradient.setColorAt(0, QColor(0, 150, 156));
  gradient.setColorAt(1, QColor(0, 92, 100));
  p.setPen(Qt::NoPen);
  p.setBrush(gradient);
  p.drawRoundedRect(QRectF(image.rect()).adjusted(2, 2, -2, -2), 12, 12);
  const qreal side = image.width() * 0.75;
  p.translate((image.width() - side) / 2, (image.height() - side) / 2);
  p.scale(side / 24, side / 24);
  Glyphs().at("camera")(p, QColor(255, 255, 255));
}

// A frame piece: a bevel, light on the side next to the video, dark outside.
bool DrawFrame(QImage& image, const Entry& entry, QString& error) {
  static const std::set<QString> kPieces = {"top-left", "top",         "top-right", "left",
                                            "right",    "bottom-left", "bottom",    "bottom-right"};
  if (kPieces.count(entry.state) == 0) {
    error = "unknown frame piece";
    return false;
  }
  const QColor outer(16, 20, 25);
  const QColor inner(82, 94, 106);
  const int thickness = 6;
  auto shade = [&](int depth) {  // depth 0 outside .. thickness-1 next to the video
    const qreal t = qreal(depth) / (thickness - 1);
    return QColor::fromRgbF(outer.redF() + t * (inner.redF() - outer.redF()),
                            outer.greenF() + t * (inner.greenF() - outer.greenF()),
                            outer.blueF() + t * (inner.blueF() - outer.blueF()));
  };
  const QString& piece = entry.state;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      int depth_x = thickness;  // a side the piece does not border
      int depth_y = thickness;
      if (piece.endsWith("left")) depth_x = std::min(x, thickness - 1);
      if (piece.endsWith("right")) depth_x = std::min(image.width() - 1 - x, thickness - 1);
      if (piece.startsWith("top")) depth_y = std::min(y, thickness - 1);
      if (piece.startsWith("bottom")) depth_y = std::min(image.height() - 1 - y, thickness - 1);
      image.setPixelColor(x, y, shade(std::min({depth_x, depth_y, thickness - 1})));
    }
  }
  return true;
}

// A slider track: a groove in rows 4..14 (where the fill lands) with rounded caps in the first
// and the last 10 columns.
void DrawTrack(QImage& image) {
  image.fill(kBackground);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(78, 90, 102), 1));
  p.setBrush(QColor(16, 20, 25));
  p.drawRoundedRect(QRectF(1.5, 3.5, image.width() - 3, 12), 5, 5);
}

void DrawThumb(QImage& image) {
  image.fill(kBackground);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient gradient(0, 0, 0, image.height());
  gradient.setColorAt(0, QColor(236, 240, 244));
  gradient.setColorAt(1, QColor(150, 160, 170));
  p.setPen(QPen(QColor(40, 48, 56), 1));
  p.setBrush(gradient);
  p.drawRoundedRect(QRectF(1.5, 0.5, image.width() - 2, image.height() - 1), 3, 3);
}

void DrawFill(QImage& image, bool start) {
  image.fill(kBackground);
  for (int y = 0; y < image.height(); ++y) {
    const int lift = std::abs(y - image.height() / 2);
    const QColor colour(0, 180 - 10 * lift, 186 - 10 * lift);
    for (int x = 0; x < image.width(); ++x) {
      const bool corner = start && x == 0 && (y == 0 || y == image.height() - 1);
      image.setPixelColor(x, y, corner ? kBackground : colour);
    }
  }
}

void DrawScrollPiece(QImage& image, const QString& look) {
  image.fill(QColor(16, 18, 21));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  if (look == "scroll-track") {
    p.fillRect(image.rect(), QColor(30, 36, 42));
    p.fillRect(0, 0, 1, image.height(), QColor(20, 24, 28));
    return;
  }
  const QRectF box = QRectF(image.rect()).adjusted(1.5, 1.5, -1.5, -1.5);
  p.setPen(QPen(QColor(88, 100, 112), 1));
  p.setBrush(look == "scroll-thumb" ? QColor(96, 110, 124) : QColor(48, 58, 70));
  p.drawRoundedRect(box, 3, 3);
  if (look == "scroll-thumb") return;
  const qreal mid = image.width() / 2.0;
  const qreal top = look == "scroll-up" ? 7 : 12;
  const qreal bottom = look == "scroll-up" ? 12 : 7;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(214, 220, 226));
  p.drawPolygon(
      QPolygonF({QPointF(mid - 4.5, bottom), QPointF(mid + 4.5, bottom), QPointF(mid, top)}));
}

bool Draw(QImage& image, const Entry& entry, QString& error) {
  const QString& look = entry.look;
  if (look == "button") return DrawButton(image, entry, error);
  if (look == "face") return DrawFace(image, entry, kBackground, error);
  if (look == "dialog-face") return DrawFace(image, entry, kDialogBackground, error);
  if (look == "gauge" || look == "digit" || look == "point") {
    return DrawGaugePiece(image, look, entry.state, error);
  }
  if (look == "map-note" || look == "banner") {
    return DrawNoticePiece(image, look, entry.state, entry.detail, error);
  }
  if (look == "frame") return DrawFrame(image, entry, error);
  if (look == "strip") {
    DrawStrip(image, entry.detail);
  } else if (look == "top-back") {
    DrawTopBack(image);
  } else if (look == "empty-video") {
    DrawEmptyVideo(image);
  } else if (look == "icon") {
    DrawIcon(image);
  } else if (look == "track") {
    DrawTrack(image);
  } else if (look == "thumb") {
    DrawThumb(image);
  } else if (look == "fill-start" || look == "fill") {
    DrawFill(image, look == "fill-start");
  } else if (look.startsWith("scroll-")) {
    DrawScrollPiece(image, look);
  } else {
    error = "unknown look";
    return false;
  }
  return true;
}

int Fail(const QString& message) {
  std::fprintf(stderr, "make_skin_images: %s\n", qPrintable(message));
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  // Text needs a font system, not a screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) return Fail("usage: make_skin_images TABLE OUT_DIR");
  QFile table(QString::fromLocal8Bit(argv[1]));
  if (!table.open(QIODevice::ReadOnly | QIODevice::Text)) return Fail("cannot read the table");
  const QDir out(QString::fromLocal8Bit(argv[2]));
  if (!out.mkpath("bitmap") || !out.mkpath("png")) return Fail("cannot make the output folders");

  QTextStream in(&table);
  QString qrc = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
  std::set<int> seen;
  for (int line = 1; !in.atEnd(); ++line) {
    const QString text = in.readLine().trimmed();
    if (text.isEmpty() || text.startsWith('#')) continue;
    QString error;
    const auto entry = ParseLine(text, line, error);
    const auto where = QString("line %1: ").arg(line);
    if (!entry) return Fail(where + error);
    if (!seen.insert(entry->id).second) return Fail(where + "the id is listed twice");
    QImage image(entry->width, entry->height,
                 entry->png ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (!Draw(image, *entry, error)) return Fail(where + error);
    const QString name = QString("%1/%2.png").arg(entry->png ? "png" : "bitmap").arg(entry->id);
    if (!image.save(out.filePath(name), "PNG")) return Fail(where + "cannot write " + name);
    qrc += QString("  <file alias=\"%1/%2\">%3</file>\n")
               .arg(entry->png ? "png" : "bitmap")
               .arg(entry->id)
               .arg(name);
  }
  qrc += "</qresource>\n</RCC>\n";
  QFile qrc_file(out.filePath("vantrel_skin_images.qrc"));
  if (!qrc_file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      qrc_file.write(qrc.toUtf8()) < 0) {
    return Fail("cannot write the resource list");
  }
  return 0;
}
