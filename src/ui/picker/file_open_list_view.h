// Watches the file list of the folder picker and keeps the way it was shown (list or details) when
// the picker closes, so the next picker opens the same way. The mode is kept as the command number
// of that view mode, which is also how it is stored in the settings.
#pragma once

#include <QFileDialog>
#include <QObject>
#include <optional>

namespace vantrel::ui {

class CXFileOpenListView : public QObject {
  Q_OBJECT

 public:
  // The command numbers of the view modes the list offers.
  static constexpr int kDetailsCommand = 28747;
  static constexpr int kListCommand = 28753;

  // Follows `dialog` (which owns this object) and captures its view mode each time it closes.
  explicit CXFileOpenListView(QFileDialog* dialog);

  // The view mode captured at the last close; 0 before the first.
  int view_mode() const { return view_mode_; }

  static int CommandOfViewMode(QFileDialog::ViewMode mode);
  // None for a number that is no view mode the list offers (a stored value from elsewhere).
  static std::optional<QFileDialog::ViewMode> ViewModeOfCommand(int command);

 private:
  QFileDialog* dialog_;
  int view_mode_ = 0;
};

}  // namespace vantrel::ui
