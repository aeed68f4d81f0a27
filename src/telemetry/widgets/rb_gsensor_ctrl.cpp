#include "telemetry/widgets/rb_gsensor_ctrl.h"

#include <QContextMenuEvent>
#include <QFont>
#include <QMouseEvent>
#include <QPainter>

#include "telemetry/gsensor_plot.h"
#include "ui/skin/skin_colours.h"

namespace vantrel::ui {
namespace {

const QColor kGrid(120, 120, 120);
const std::array<QColor, 3> kAxisColours = {QColor(255, 0, 0), QColor(255, 255, 0),
                                            QColor(0, 255, 0)};
// 7.5 points on the 96 dpi screen the skin was drawn for, in pixels so that a picture written
// without a screen is the same.
constexpr int kLabelPixels = 10;

void DrawGrid(QPainter& painter, const GraphLayout& g) {
  painter.setPen(QPen(kGrid, 1, Qt::SolidLine));
  painter.drawLine(g.left, g.top, g.left, g.bottom);
  painter.drawLine(g.right, g.top, g.right, g.bottom);
  painter.setPen(QPen(kGrid, 0, Qt::DotLine));
  for (int i = 1; i < kGraphColumns; ++i) {
    const int x = g.left + i * g.column_width;
    painter.drawLine(x, g.top, x, g.bottom);
  }
  for (int y : {g.middle, g.middle - kGraphGridOffset, g.middle + kGraphGridOffset}) {
    painter.drawLine(g.left, y, g.right, y);
  }
}

// Each label's top-left corner is where it is placed, as text cells are.
void DrawLabels(QPainter& painter, const GraphLayout& g) {
  QFont font(QStringLiteral("돋움"));
  font.setPixelSize(kLabelPixels);
  painter.setFont(font);
  painter.setPen(kGrid);
  const int ascent = painter.fontMetrics().ascent();
  painter.drawText(g.left - 10, g.top - 5 + ascent, QStringLiteral("2"));
  painter.drawText(g.left - 10, g.middle - 5 + ascent, QStringLiteral("0"));
  painter.drawText(g.left - 14, g.bottom - 5 + ascent, QStringLiteral("-2"));
}

void DrawCurves(QPainter& painter, const GraphLayout& g,
                const RecordArray<GsensorRecord>& samples) {
  const auto curves = GraphCurves(g, samples);
  for (size_t axis = 0; axis < curves.size(); ++axis) {
    const std::vector<GraphPoint>& points = curves[axis];
    painter.setPen(QPen(kAxisColours[axis], 1, Qt::SolidLine));
    for (size_t i = 1; i < points.size(); ++i) {
      painter.drawLine(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
    }
  }
}

}  // namespace

QImage PaintGsensorGraph(QSize size, const RecordArray<GsensorRecord>& samples) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(kGsensorBackground);
  const GraphLayout layout = LayoutGraph(size.width(), size.height());
  QPainter painter(&image);
  DrawGrid(painter, layout);
  DrawLabels(painter, layout);
  DrawCurves(painter, layout, samples);
  return image;
}

CRbGsensorCtrl::CRbGsensorCtrl(const TelemetryStore& store, QWidget* parent)
    : QWidget(parent), store_(store) {
  setObjectName(QStringLiteral("RbGsensorWnd"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setGeometry(0, 0, 600, 100);
}

void CRbGsensorCtrl::paintEvent(QPaintEvent*) {
  QPainter(this).drawImage(0, 0, PaintGsensorGraph(size(), store_.gsensor_records()));
}

void CRbGsensorCtrl::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::RightButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  // The click is the graph's, so the window under it does not open a second menu.
  event->accept();
  emit playbackMenuRequested(event->globalPosition().toPoint());
}

void CRbGsensorCtrl::contextMenuEvent(QContextMenuEvent* event) {
  // The menu was asked for on the button press already.
  event->accept();
}

}  // namespace vantrel::ui
