#include "device/widgets/file_info_view.h"

#include <QHeaderView>
#include <QPainter>
#include <QTableWidget>

#include "ui/skin/dialog_placement.h"
#include "ui/skin/panel_text.h"
#include "ui/skin/rb_button_ctrl.h"
#include "ui/skin/rb_text_ctrl.h"

namespace vantrel::ui {
namespace {

const QColor kBackground(34, 44, 54);
constexpr int kFirstPanelId = 1000;
constexpr int kPanelTypes[] = {kSummaryAllPanel, kSummaryNormalPanel, kSummaryEventPanel,
                               kSummaryParkingPanel, kSummaryHeadingPanel};
constexpr int kCompactWidth = 250, kCompactHeight = 230;
constexpr int kWideWidth = 626, kWideHeight = 770;

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CFileInfoView::CFileInfoView(device::CardFileSummary summary, const std::string& program_folder,
                             QWidget* parent)
    : QDialog(parent),
      summary_(std::move(summary)),
      wide_(device::HasDetailListMarker(program_folder)),
      list_(new QTableWidget(this)),
      ok_(new CRbButtonCtrl(1, this)) {
  setModal(true);
  const QStringList texts = {Text(device::SummaryCountText(summary_.count)),
                             Text(device::SummaryCountText(summary_.continuous_count)),
                             Text(device::SummaryCountText(summary_.event_count)),
                             Text(device::SummaryCountText(summary_.parking_count)),
                             Text(device::SummarySizeText(summary_.total_kib)),
                             Text(device::SummarySizeText(summary_.continuous_kib)),
                             Text(device::SummarySizeText(summary_.event_kib)),
                             Text(device::SummarySizeText(summary_.parking_kib))};
  for (int i = 0; i < 5; ++i) {
    auto* panel = new CRbTextCtrl(kFirstPanelId + i, kPanelTypes[i], 0, this);
    panel->setObjectName(QStringLiteral("RbTextWnd"));
    panel->SetBackground(kBackground);
    panel->SetSummaryTexts(texts);
    panels_.push_back(panel);
  }
  ok_->SetImages(1094, 1095, 0, 0, 0);
  connect(ok_, &CRbButtonCtrl::clicked, this, &QDialog::accept);
  FillList();
  PlaceControls();
}

CRbTextCtrl* CFileInfoView::Panel(int id) const {
  const int index = id - kFirstPanelId;
  return index >= 0 && index < static_cast<int>(panels_.size()) ? panels_[index] : nullptr;
}

void CFileInfoView::FillList() {
  list_->setColumnCount(3);
  list_->setHorizontalHeaderLabels(
      {QStringLiteral("번호"), QStringLiteral("파일이름"), QStringLiteral("파일크기")});
  list_->setColumnWidth(0, 50);
  list_->setColumnWidth(1, 200);
  list_->setColumnWidth(2, 80);
  list_->verticalHeader()->hide();
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setRowCount(summary_.count);
  for (int row = 0; row < summary_.count; ++row) {
    list_->setItem(row, 0, new QTableWidgetItem(QString::number(row + 1)));
    list_->setItem(row, 1, new QTableWidgetItem(Text(summary_.names[row])));
    list_->setItem(row, 2, new QTableWidgetItem(Text(summary_.sizes[row])));
  }
}

void CFileInfoView::PlaceControls() {
  const int panel_x = wide_ ? 376 : 10;
  panels_[4]->setGeometry(wide_ ? 436 : 70, 10, 200, 20);
  for (int i = 0; i < 4; ++i) panels_[i]->setGeometry(panel_x, 40 + 30 * i, 200, 20);
  ok_->setGeometry(wide_ ? 533 : 150, 160, 83, 32);
  list_->setGeometry(10, 10, 356, 720);
  list_->setVisible(wide_);
}

void CFileInfoView::setVisible(bool visible) {
  if (visible && !isVisible()) {
    CentreOverOwner(*this,
                    wide_ ? QSize(kWideWidth, kWideHeight) : QSize(kCompactWidth, kCompactHeight));
  }
  QDialog::setVisible(visible);
}

void CFileInfoView::paintEvent(QPaintEvent*) { QPainter(this).fillRect(rect(), kBackground); }

}  // namespace vantrel::ui
