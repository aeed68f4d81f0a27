#include "ui/skin/rb_text_ctrl.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

#include "app/language.h"
#include "ui/skin/skin_colours.h"

namespace vantrel::ui {
namespace {

// The skin's font; fontconfig substitutes an installed one with Hangul where it is missing.
const QString kPanelFamily = QStringLiteral("돋움");

QColor ColourOf(uint32_t rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); }

}  // namespace

CRbTextCtrl::CRbTextCtrl(int id, int panel_type, int language_index, QWidget* parent)
    : QWidget(parent),
      id_(id),
      panel_type_(panel_type),
      language_index_(language_index),
      background_(kSkinBackground) {
  setObjectName(QStringLiteral("RbTextWnd"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CRbTextCtrl::SetLanguageIndex(int language_index) {
  language_index_ = language_index;
  update();
}

void CRbTextCtrl::SetBackground(QColor colour) {
  background_ = colour;
  update();
}

void CRbTextCtrl::SetTime(int duration_ms, int position_ms) {
  values_.duration_ms = duration_ms;
  values_.position_ms = position_ms;
  update();
}

void CRbTextCtrl::SetRate(float rate) {
  values_.rate = rate;
  update();
}

void CRbTextCtrl::SetGsensor(bool valid, float x, float y, float z) {
  values_.gsensor_valid = valid;
  values_.x = x;
  values_.y = y;
  values_.z = z;
  update();
}

void CRbTextCtrl::SetPosition(float latitude, float longitude) {
  values_.latitude = latitude;
  values_.longitude = longitude;
  update();
}

void CRbTextCtrl::SetSummaryTexts(const QStringList& texts) {
  for (size_t i = 0; i < values_.summary.size(); ++i) {
    const auto index = static_cast<qsizetype>(i);
    values_.summary[i] = index < texts.size() ? texts[index].toStdString() : std::string();
  }
  update();
}

std::vector<PanelLine> CRbTextCtrl::Lines() const {
  const int language = language_index_;
  return PanelLines(panel_type_, values_,
                    [language](uint32_t text_id) { return LoadLanguageString(language, text_id); });
}

QStringList CRbTextCtrl::PanelTexts() const {
  QStringList texts;
  for (const PanelLine& line : Lines()) texts << QString::fromStdString(line.text);
  return texts;
}

void CRbTextCtrl::paintEvent(QPaintEvent*) {
  QPixmap canvas(size());
  canvas.fill(background_);
  QPainter painter(&canvas);
  const QColor cell_colour =
      panel_type_ == kGsensorPanel ? ColourOf(kGsensorPanelBackground) : background_;
  if (panel_type_ == kGsensorPanel) painter.fillRect(rect(), cell_colour);
  if (const auto font_size = PanelFontOf(panel_type_)) {
    QFont font(kPanelFamily);
    if (font_size->points > 0) font.setPointSize(font_size->points);
    if (font_size->pixel_height > 0) font.setPixelSize(font_size->pixel_height);
    painter.setFont(font);
    const int ascent = painter.fontMetrics().ascent();
    for (const PanelLine& line : Lines()) {
      const QString text = QString::fromStdString(line.text);
      if (line.opaque_cell) {
        const QRect cell =
            painter.fontMetrics().boundingRect(text).translated(line.x, line.y + ascent);
        painter.fillRect(cell, cell_colour);
      }
      painter.setPen(ColourOf(line.colour));
      painter.drawText(line.x, line.y + ascent, text);
    }
  }
  painter.end();
  QPainter(this).drawPixmap(0, 0, canvas);
}

}  // namespace vantrel::ui
