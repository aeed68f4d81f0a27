#include "ui/report/report_painter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

namespace vantrel::ui {
namespace {

// Every text of the report is in this family; fontconfig gives a metric twin where it is missing.
constexpr char kReportFamily[] = "Arial";

// A regular "Arial" whose cell (ascent and descent) is cell_height device pixels.
QFont CellFont(int cell_height, QPaintDevice& device) {
  QFont font(QString::fromLatin1(kReportFamily));
  font.setWeight(QFont::Normal);
  font.setPixelSize(std::max(1, cell_height));
  const int measured = QFontMetrics(font, &device).height();
  if (measured > 0) {
    font.setPixelSize(std::max(1, static_cast<int>(int64_t{cell_height} * cell_height / measured)));
  }
  return font;
}

const QImage* PictureOf(tools::ReportPicture picture, const QImage& frame1, const QImage& frame2,
                        const QImage& map) {
  switch (picture) {
    case tools::ReportPicture::kFrame1:
      return &frame1;
    case tools::ReportPicture::kFrame2:
      return &frame2;
    case tools::ReportPicture::kMap:
      return &map;
    case tools::ReportPicture::kNone:
      break;
  }
  return nullptr;
}

void PaintItem(QPainter& painter, QPaintDevice& device, const tools::ReportItem& item,
               const QImage* picture) {
  if (item.picture != tools::ReportPicture::kNone) {
    // A picture that could not be had leaves its rectangle empty.
    if (picture && !picture->isNull()) {
      painter.drawImage(QRect(item.x, item.y, item.width, item.height), *picture);
    }
    return;
  }
  const QFont font = CellFont(item.cell_height, device);
  painter.setFont(font);
  painter.drawText(QPoint(item.x, item.y + QFontMetrics(font, &device).ascent()),
                   QString::fromStdString(item.text));
}

}  // namespace

QImage ChannelQImage(const ChannelImage& image) {
  const size_t needed = static_cast<size_t>(image.width) * image.height * 4;
  if (image.width <= 0 || image.height <= 0 || image.pixels.size() < needed) return {};
  // B, G, R, unused in memory is what a 32-bit RGB image holds on this (little-endian) machine.
  return QImage(image.pixels.data(), image.width, image.height, image.width * 4,
                QImage::Format_RGB32)
      .copy();
}

bool PaintReport(QPagedPaintDevice& device, const ReportInputs& inputs, const QImage& map,
                 const std::optional<tools::ReportTexts>& texts) {
  tools::ReportFacts facts = inputs.facts;
  facts.map_view = !map.isNull();
  const tools::PrintableArea area{device.width(), device.height(), device.logicalDpiY()};
  const auto pages = tools::LayOutReport(facts, area, texts);
  const QImage frame1 = ChannelQImage(inputs.frame1);
  const QImage frame2 = ChannelQImage(inputs.frame2);
  QPainter painter;
  if (!painter.begin(&device)) return false;
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  for (size_t page = 0; page < pages.size(); ++page) {
    if (page > 0 && !device.newPage()) return false;
    for (const tools::ReportItem& item : pages[page]) {
      PaintItem(painter, device, item, PictureOf(item.picture, frame1, frame2, map));
    }
  }
  return painter.end();
}

}  // namespace vantrel::ui
