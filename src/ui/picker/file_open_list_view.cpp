#include "ui/picker/file_open_list_view.h"

namespace vantrel::ui {

CXFileOpenListView::CXFileOpenListView(QFileDialog* dialog) : QObject(dialog), dialog_(dialog) {
  connect(dialog_, &QDialog::finished, this,
          [this] { view_mode_ = CommandOfViewMode(dialog_->viewMode()); });
}

int CXFileOpenListView::CommandOfViewMode(QFileDialog::ViewMode mode) {
  return mode == QFileDialog::Detail ? kDetailsCommand : kListCommand;
}

std::optional<QFileDialog::ViewMode> CXFileOpenListView::ViewModeOfCommand(int command) {
  if (command == kDetailsCommand) return QFileDialog::Detail;
  if (command == kListCommand) return QFileDialog::List;
  return std::nullopt;
}

}  // namespace vantrel::ui
