#include "ui/skin/skin_header_ctrl.h"

#include <QPainter>

#include "ui/skin/skin_colours.h"

namespace vantrel::ui {
namespace {

constexpr int kHeadingTop = 3;
constexpr int kHeadingPoints = 10;

}  // namespace

CSkinHeaderCtrl::CSkinHeaderCtrl(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
  QFont font(QStringLiteral("돋움"));
  font.setPointSize(kHeadingPoints);
  setFont(font);
  setHighlightSections(false);
  setSectionsClickable(false);
  setStretchLastSection(false);
  // The strip right of the last column continues the heading cells.
  setStyleSheet(QStringLiteral("QHeaderView { background: rgb(30, 30, 30); border: none; }"));
}

Qt::Alignment CSkinHeaderCtrl::HeadingAlignment(int column) {
  return column == 1 || column == 2 || column == 4 ? Qt::AlignHCenter : Qt::AlignLeft;
}

void CSkinHeaderCtrl::paintSection(QPainter* painter, const QRect& rect, int logical_index) const {
  painter->save();
  painter->fillRect(rect, kListHeading);
  painter->setPen(Qt::white);
  painter->setFont(font());
  const QString heading =
      model() != nullptr ? model()->headerData(logical_index, orientation()).toString() : QString();
  painter->drawText(rect.adjusted(0, kHeadingTop, 0, 0),
                    HeadingAlignment(logical_index) | Qt::AlignTop, heading);
  painter->restore();
}

}  // namespace vantrel::ui
