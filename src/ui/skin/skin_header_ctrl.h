// The column headings of the recording list in the skin: white headings on dark cells, in the
// skin's font.
#pragma once

#include <QHeaderView>

namespace vantrel::ui {

class CSkinHeaderCtrl : public QHeaderView {
  Q_OBJECT

 public:
  explicit CSkinHeaderCtrl(QWidget* parent);

  // How a column's heading is aligned: centred for the date, time and path columns, left for
  // the others.
  static Qt::Alignment HeadingAlignment(int column);

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logical_index) const override;
};

}  // namespace vantrel::ui
