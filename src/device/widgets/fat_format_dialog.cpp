#include "device/widgets/fat_format_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/language.h"
#include "device/card_labels.h"

namespace vantrel::ui {
namespace {

constexpr uint32_t kTitleText = 5043;
constexpr uint32_t kLabelText = 5044;
constexpr uint32_t kQuickFormatText = 5045;
constexpr uint32_t kStartText = 5046;
constexpr uint32_t kFileSystemText = 5048;
constexpr uint32_t kCancelText = 143;

QString LanguageText(int language_index, uint32_t id, const char* fallback) {
  const auto text = LoadLanguageString(language_index, id);
  return QString::fromStdString(text.value_or(fallback));
}

}  // namespace

CFatFormatDlg::CFatFormatDlg(const std::string& label, int language_index, QWidget* parent)
    : QDialog(parent),
      label_edit_(new QLineEdit(QString::fromStdString(label), this)),
      quick_format_(
          new QCheckBox(LanguageText(language_index, kQuickFormatText, "Quick format"), this)),
      start_(new QPushButton(LanguageText(language_index, kStartText, "Start"), this)) {
  setModal(true);
  setWindowTitle(LanguageText(language_index, kTitleText, "Format card"));
  label_edit_->setMaxLength(static_cast<int>(device::kFatLabelChars));
  // Only the quick format is offered: a full format of a card wears it for nothing.
  quick_format_->setChecked(true);
  quick_format_->setEnabled(false);
  auto* form = new QFormLayout;
  form->addRow(LanguageText(language_index, kLabelText, "Volume label"), label_edit_);
  form->addRow(new QLabel(LanguageText(language_index, kFileSystemText, "File system: FAT32")));
  form->addRow(quick_format_);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(start_, QDialogButtonBox::AcceptRole);
  buttons->addButton(LanguageText(language_index, kCancelText, "Cancel"),
                     QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  start_->setDefault(true);
}

std::string CFatFormatDlg::label() const { return label_edit_->text().toStdString(); }

}  // namespace vantrel::ui
