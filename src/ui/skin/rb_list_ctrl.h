// The recording list of the main window: a report list of the catalogue's rows (number, date,
// time, kind, and two hidden data columns), one row chosen at a time, rows coloured by state. It
// takes dropped files, reports clicks and double clicks by row, and keeps the left and right
// keys from moving it.
#pragma once

#include <QPointer>
#include <QStringList>
#include <QTableWidget>

#include "catalogue/list_selection.h"
#include "catalogue/recording_list.h"
#include "ui/skin/skin_vertical_scroll_bar.h"

namespace vantrel::ui {

class CRbListCtrl : public QTableWidget, public RecordingList, public ListSelection {
  Q_OBJECT

 public:
  explicit CRbListCtrl(QWidget* parent);
  ~CRbListCtrl() override;

  // Columns, headings in the language, colours, drops. Without the language library the
  // headings stay empty.
  void SetUp(int language_index);
  // Reads the headings again; without the library they keep what they show.
  void SetLanguageIndex(int language_index);
  int language_index() const { return language_index_; }

  // The selected row, -1 for none.
  int CurrentRow() const;

  // The skinned scroll bar beside the list, placed just right of it in the list's parent and
  // shown and hidden with it; null until the list has a parent.
  CSkinVerticleScrollbar* ScrollBar() const { return scroll_bar_; }

  // RecordingList
  void SuspendRedraw() override;
  void ResumeRedraw() override;
  void DeleteAllRows() override;
  void InsertRow(int row, const RowTexts& texts) override;
  int RowCount() const override;
  std::string ColumnText(int row, int column) const override;

  // ListSelection
  void SelectRow(int row) override;
  void ScrollToRow(int row) override;
  void RedrawList() override;
  int MarkedRow() const override;
  void SetMarkedRow(int row) override;
  void RedrawRow(int row) override;

 signals:
  void rowDoubleClicked(int row);
  void rowClicked(int row);
  void filesDropped(QStringList paths);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  bool ReadHeadings(int language_index);
  void PlaceScrollBar();
  void UpdateScrollBar();

  int language_index_ = 0;
  int marked_row_ = -1;
  QPointer<CSkinVerticleScrollbar> scroll_bar_;
};

// The local paths of a drop, in order; remote and empty URLs are left out.
QStringList LocalPathsOf(const QList<QUrl>& urls);

}  // namespace vantrel::ui
