// The card information view (dialog 208): counts and sizes of the open card's recordings by
// kind, and, in the wide layout a file named "User.bin" beside the program asks for, the list of
// every file with its size.
#pragma once

#include <QDialog>

#include "device/card_file_summary.h"

class QTableWidget;

namespace vantrel::ui {

class CRbButtonCtrl;
class CRbTextCtrl;

class CFileInfoView : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kListId = 209;

  // program_folder: where the layout marker is looked for. The view keeps its own copy of the
  // summary.
  CFileInfoView(device::CardFileSummary summary, const std::string& program_folder,
                QWidget* parent);

  bool wide() const { return wide_; }
  QTableWidget* list() const { return list_; }
  CRbTextCtrl* Panel(int id) const;
  CRbButtonCtrl* ok_button() const { return ok_; }

  void setVisible(bool visible) override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void FillList();
  void PlaceControls();

  device::CardFileSummary summary_;
  bool wide_ = false;
  QTableWidget* list_;
  std::vector<CRbTextCtrl*> panels_;
  CRbButtonCtrl* ok_;
};

}  // namespace vantrel::ui
