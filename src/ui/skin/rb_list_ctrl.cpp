#include "ui/skin/rb_list_ctrl.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QUrl>

#include "app/language.h"
#include "catalogue/list_columns.h"
#include "ui/skin/list_row_style.h"
#include "ui/skin/skin_colours.h"
#include "ui/skin/skin_header_ctrl.h"

namespace vantrel::ui {
namespace {

// Paints a row in the colours of its state; the marked row is asked of the list at each paint.
class RowDelegate : public QStyledItemDelegate {
 public:
  explicit RowDelegate(const CRbListCtrl& list) : QStyledItemDelegate(nullptr), list_(list) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const RowStyle style = RowStyleOf(index.row(), selected, list_.MarkedRow());
    painter->fillRect(option.rect, QColor::fromRgb(style.background));
    const QString text = index.data(Qt::DisplayRole).toString();
    const auto alignment = static_cast<Qt::Alignment>(index.data(Qt::TextAlignmentRole).toInt());
    const QRect area = option.rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
    painter->setPen(QColor::fromRgb(style.text));
    painter->setFont(option.font);
    painter->drawText(area, alignment | Qt::AlignVCenter,
                      option.fontMetrics.elidedText(text, Qt::ElideRight, area.width()));
  }

 private:
  static constexpr int kTextMargin = 3;
  const CRbListCtrl& list_;
};

// Report-list rows: a line of the list's font with a little air.
constexpr int kRowHeight = 18;

Qt::Alignment AlignmentOf(ColumnAlignment alignment) {
  return alignment == ColumnAlignment::kLeft ? Qt::AlignLeft : Qt::AlignHCenter;
}

}  // namespace

QStringList LocalPathsOf(const QList<QUrl>& urls) {
  QStringList paths;
  for (const QUrl& url : urls) {
    if (!url.isLocalFile()) continue;
    const QString path = url.toLocalFile();
    if (!path.isEmpty()) paths << path;
  }
  return paths;
}

CRbListCtrl::CRbListCtrl(QWidget* parent) : QTableWidget(0, kListColumnCount, parent) {
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setShowGrid(false);
  setWordWrap(false);
  setFrameShape(QFrame::NoFrame);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(kRowHeight);
  setHorizontalHeader(new CSkinHeaderCtrl(this));
  setItemDelegate(new RowDelegate(*this));
  itemDelegate()->setParent(this);
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
  setDragDropMode(QAbstractItemView::DropOnly);
  // Below the last row the list shows a shade darker than the block it stands in.
  setStyleSheet(QStringLiteral(
      "QTableWidget { background: rgb(40, 47, 54); color: rgb(180, 180, 180); border: none; }"));
  PlaceScrollBar();
}

CRbListCtrl::~CRbListCtrl() {
  // The bar lives in the list's parent; it goes with the list.
  delete scroll_bar_.data();
}

void CRbListCtrl::SetUp(int language_index) {
  language_index_ = language_index;
  for (int column = 0; column < kListColumnCount; ++column) {
    const ListColumn& column_layout = kRecordingListColumns[static_cast<size_t>(column)];
    auto* heading = new QTableWidgetItem(QString::fromUtf8(
        column_layout.heading.data(), static_cast<int>(column_layout.heading.size())));
    heading->setTextAlignment(AlignmentOf(column_layout.alignment) | Qt::AlignVCenter);
    setHorizontalHeaderItem(column, heading);
    setColumnWidth(column, column_layout.width);
    setColumnHidden(column, column_layout.width == 0);
  }
  ReadHeadings(language_index);
  PlaceScrollBar();
}

void CRbListCtrl::SetLanguageIndex(int language_index) {
  language_index_ = language_index;
  ReadHeadings(language_index);
}

bool CRbListCtrl::ReadHeadings(int language_index) {
  // All or nothing: a library that lacks a heading leaves the headings as they were.
  QStringList headings;
  for (const ListColumn& column_layout : kRecordingListColumns) {
    if (column_layout.heading_id == 0) continue;
    const auto text = LoadLanguageString(language_index, column_layout.heading_id);
    if (!text) return false;
    headings << QString::fromStdString(*text);
  }
  int next = 0;
  for (int column = 0; column < kListColumnCount; ++column) {
    if (kRecordingListColumns[static_cast<size_t>(column)].heading_id == 0) continue;
    if (QTableWidgetItem* heading = horizontalHeaderItem(column)) heading->setText(headings[next]);
    ++next;
  }
  return true;
}

int CRbListCtrl::CurrentRow() const {
  const QModelIndexList rows = selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

void CRbListCtrl::SuspendRedraw() { setUpdatesEnabled(false); }

void CRbListCtrl::ResumeRedraw() {
  setUpdatesEnabled(true);
  UpdateScrollBar();
}

void CRbListCtrl::DeleteAllRows() { setRowCount(0); }

void CRbListCtrl::InsertRow(int row, const RowTexts& texts) {
  row = std::clamp(row, 0, rowCount());
  insertRow(row);
  for (int column = 0; column < kListColumnCount; ++column) {
    const ListColumn& column_layout = kRecordingListColumns[static_cast<size_t>(column)];
    auto* item = new QTableWidgetItem(QString::fromStdString(texts[static_cast<size_t>(column)]));
    item->setTextAlignment(AlignmentOf(column_layout.alignment) | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    setItem(row, column, item);
  }
}

int CRbListCtrl::RowCount() const { return rowCount(); }

std::string CRbListCtrl::ColumnText(int row, int column) const {
  if (row < 0 || row >= rowCount() || column < 0 || column >= kListColumnCount) return {};
  const QTableWidgetItem* cell = item(row, column);
  return cell != nullptr ? cell->text().toStdString() : std::string();
}

void CRbListCtrl::SelectRow(int row) {
  if (row < 0 || row >= rowCount()) return;
  setCurrentCell(row, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  setFocus();
}

void CRbListCtrl::ScrollToRow(int row) {
  if (row < 0 || row >= rowCount()) return;
  scrollToItem(item(row, 0));
  UpdateScrollBar();
}

void CRbListCtrl::RedrawList() { viewport()->update(); }

int CRbListCtrl::MarkedRow() const { return marked_row_; }

void CRbListCtrl::SetMarkedRow(int row) { marked_row_ = row; }

void CRbListCtrl::RedrawRow(int row) {
  if (row < 0 || row >= rowCount()) return;
  viewport()->update(QRect(0, rowViewportPosition(row), viewport()->width(), rowHeight(row)));
}

void CRbListCtrl::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
    event->accept();
    return;
  }
  QTableWidget::keyPressEvent(event);
  UpdateScrollBar();
}

void CRbListCtrl::keyReleaseEvent(QKeyEvent* event) {
  QTableWidget::keyReleaseEvent(event);
  UpdateScrollBar();
}

void CRbListCtrl::wheelEvent(QWheelEvent* event) {
  // One row a notch, whatever the desktop's wheel setting.
  const int delta = event->angleDelta().y();
  if (delta != 0)
    verticalScrollBar()->setValue(verticalScrollBar()->value() + (delta > 0 ? -1 : 1));
  event->accept();
  UpdateScrollBar();
}

void CRbListCtrl::mousePressEvent(QMouseEvent* event) {
  QTableWidget::mousePressEvent(event);
  emit rowClicked(rowAt(event->position().toPoint().y()));
}

void CRbListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
  QTableWidget::mouseDoubleClickEvent(event);
  // A double click below the last row opens nothing.
  const int row = rowAt(event->position().toPoint().y());
  if (row >= 0) emit rowDoubleClicked(row);
}

void CRbListCtrl::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalPathsOf(event->mimeData()->urls()).isEmpty()) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void CRbListCtrl::dragMoveEvent(QDragMoveEvent* event) {
  if (!LocalPathsOf(event->mimeData()->urls()).isEmpty()) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void CRbListCtrl::dropEvent(QDropEvent* event) {
  const QStringList paths = LocalPathsOf(event->mimeData()->urls());
  if (paths.isEmpty()) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  emit filesDropped(paths);
}

void CRbListCtrl::moveEvent(QMoveEvent* event) {
  QTableWidget::moveEvent(event);
  PlaceScrollBar();
}

void CRbListCtrl::resizeEvent(QResizeEvent* event) {
  QTableWidget::resizeEvent(event);
  PlaceScrollBar();
}

void CRbListCtrl::showEvent(QShowEvent* event) {
  QTableWidget::showEvent(event);
  if (scroll_bar_ != nullptr) scroll_bar_->show();
  PlaceScrollBar();
}

void CRbListCtrl::hideEvent(QHideEvent* event) {
  QTableWidget::hideEvent(event);
  if (scroll_bar_ != nullptr) scroll_bar_->hide();
}

void CRbListCtrl::scrollContentsBy(int dx, int dy) {
  QTableWidget::scrollContentsBy(dx, dy);
  UpdateScrollBar();
}

void CRbListCtrl::PlaceScrollBar() {
  if (parentWidget() == nullptr) return;
  if (scroll_bar_ == nullptr) {
    scroll_bar_ = new CSkinVerticleScrollbar(verticalScrollBar(), parentWidget());
    scroll_bar_->setVisible(isVisible());
  }
  // The bar stands in the list's parent, just right of the list and as tall as it.
  scroll_bar_->setGeometry(x() + width(), y(), kScrollBarWidth, height());
  scroll_bar_->raise();
  UpdateScrollBar();
}

void CRbListCtrl::UpdateScrollBar() {
  if (scroll_bar_ != nullptr) scroll_bar_->UpdateScrollBar();
}

}  // namespace vantrel::ui
