#include "ui/main/file_load_dialog.h"

#include <QPalette>

#include "ui/skin/dialog_placement.h"
#include "ui/skin/rb_text_ctrl.h"

namespace vantrel::ui {

CFileLoadDlg::CFileLoadDlg(QWidget* parent, int language_index, int interval_ms,
                           std::function<void()> on_elapsed)
    : QDialog(parent),
      text_panel_(new CRbTextCtrl(kTextPanelId, kTextPanelType, language_index, this)),
      on_elapsed_(std::move(on_elapsed)) {
  setWindowTitle(QStringLiteral("파일을 불러오는 중..."));
  setModal(true);
  setFixedSize(kWidth, kHeight);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kBackground);
  setPalette(colours);
  setAutoFillBackground(true);
  text_panel_->SetBackground(kBackground);
  text_panel_->setGeometry(0, 10, kWidth, 80);
  timer_.setInterval(interval_ms);
  connect(&timer_, &QTimer::timeout, this, &CFileLoadDlg::OnTimer);
}

void CFileLoadDlg::setVisible(bool visible) {
  // Placed before the window appears, so the toolkit does not place it first and the window
  // does not jump.
  if (visible && !isVisible()) CentreOverOwner(*this, QSize(kWidth, kHeight));
  QDialog::setVisible(visible);
  if (visible && !elapsed_ && !timer_.isActive()) timer_.start();
}

void CFileLoadDlg::OnTimer() {
  timer_.stop();
  // The timer runs once: the owner's work may take a while and must not run twice.
  if (elapsed_) return;
  elapsed_ = true;
  if (on_elapsed_) on_elapsed_();
  accept();
}

}  // namespace vantrel::ui
