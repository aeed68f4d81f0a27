// The FAT format dialog, in place of the system's: the card's volume label (pre-filled, at most
// 11 characters, editable), FAT32 and quick format only, Start and Cancel.
#pragma once

#include <QDialog>
#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace vantrel::ui {

class CFatFormatDlg : public QDialog {
  Q_OBJECT

 public:
  CFatFormatDlg(const std::string& label, int language_index, QWidget* parent);

  // The label as edited now.
  std::string label() const;

  QLineEdit* label_edit() const { return label_edit_; }
  QCheckBox* quick_format() const { return quick_format_; }
  QPushButton* start_button() const { return start_; }

 private:
  QLineEdit* label_edit_;
  QCheckBox* quick_format_;
  QPushButton* start_;
};

}  // namespace vantrel::ui
