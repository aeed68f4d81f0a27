#include "ui/picker/folder_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <algorithm>

#include "app/language.h"
#include "app/user_messages.h"
#include "ui/skin/message_box_messages.h"
#include "platform/volume_provider_linux.h"
#include "ui/picker/file_open_list_view.h"
#include "ui/picker/folder_selection.h"
#include "ui/picker/history_combo.h"

namespace vantrel::ui {
namespace {

constexpr char kOrganisation[] = "RecboxViewer";
constexpr char kHistorySection[] = "FolderHistory";
constexpr char kHistoryPrefix[] = "Folder";
constexpr char kViewModeKey[] = "XFolderDialog/ViewMode";
constexpr char kSelectError[] = "Select error";

std::unique_ptr<QSettings> OpenSettings() {
  return std::make_unique<QSettings>(QString::fromLatin1(kOrganisation),
                                     QCoreApplication::applicationName());
}

QString ChosenText(const QString& path, const std::vector<platform::Volume>& volumes) {
  return QString::fromStdString(ChosenPathText(path.toStdString(), volumes));
}

}  // namespace

CXFolderDialog::CXFolderDialog(int language_index, QWidget* parent,
                               platform::VolumeProvider* volumes, UserMessages* messages)
    : QFileDialog(parent), language_index_(language_index), volumes_(volumes), messages_(messages) {
  if (volumes_ == nullptr) {
    own_volumes_ = std::make_unique<platform::LinuxVolumeProvider>();
    volumes_ = own_volumes_.get();
  }
  if (messages_ == nullptr) {
    own_messages_ = std::make_unique<MessageBoxMessages>(this);
    messages_ = own_messages_.get();
  }

  // The system's own dialog cannot take the extra row, and chooses files rather than folders.
  setOption(QFileDialog::DontUseNativeDialog, true);
  setAcceptMode(QFileDialog::AcceptOpen);
  setFileMode(QFileDialog::ExistingFiles);
  setNameFilter(QStringLiteral("avi (*.avi)"));
  list_ = findChild<QListView*>(QStringLiteral("listView"));

  BuildExtraRow();
  HideStandardControls();
  ApplyTexts();
  list_view_ = new CXFileOpenListView(this);

  const std::unique_ptr<QSettings> settings = OpenSettings();
  history_->SetProfile(QString::fromLatin1(kHistorySection), QString::fromLatin1(kHistoryPrefix));
  history_->SetMaxHistoryItems(kHistoryMaxCount);
  history_->LoadHistory(*settings);
  if (const auto mode =
          CXFileOpenListView::ViewModeOfCommand(settings->value(kViewModeKey, 0).toInt())) {
    setViewMode(*mode);
  }

  connect(this, &QFileDialog::directoryEntered, this, &CXFolderDialog::OnFolderEntered);
  if (list_ != nullptr && list_->selectionModel() != nullptr) {
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CXFolderDialog::OnSelectionChanged);
  }
  connect(history_, &QComboBox::textActivated, this, &CXFolderDialog::ChooseHistoryText);
  connect(history_->lineEdit(), &QLineEdit::textEdited, this, [this] { typed_pending_ = true; });
  connect(history_->lineEdit(), &QLineEdit::editingFinished, this, [this] {
    if (typed_pending_) ChooseHistoryText(history_->currentText());
  });
  connect(ok_, &QPushButton::clicked, this, &CXFolderDialog::accept);

  // Start where the user chose last time, while it is still there.
  const QString last = QString::fromStdString(history_->history().last_choice());
  ShowFolder(!last.isEmpty() && QFileInfo(last).isDir() ? last : QDir::homePath());
}

CXFolderDialog::~CXFolderDialog() {
  // Nothing captured means the dialog never closed: the stored mode stays as it was.
  if (list_view_->view_mode() == 0) return;
  OpenSettings()->setValue(kViewModeKey, list_view_->view_mode());
}

void CXFolderDialog::SetTitle(const QString& title) {
  title_ = title;
  ApplyTexts();
}

void CXFolderDialog::BuildExtraRow() {
  label_ = new QLabel(this);
  label_->setObjectName(QString::number(kLabelId));
  history_ = new CHistoryCombo(this);
  history_->setObjectName(QString::number(kHistoryId));
  history_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  label_->setBuddy(history_);
  ok_ = new QPushButton(this);
  ok_->setObjectName(QString::number(kOkId));
  ok_->setDefault(true);

  // The row takes the place of the file-name row; OK stands where the dialog's own Open button
  // stood, with Cancel below it.
  auto* grid = qobject_cast<QGridLayout*>(layout());
  auto* name_label = findChild<QLabel*>(QStringLiteral("fileNameLabel"));
  auto* buttons = findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
  const int name_index = grid != nullptr && name_label != nullptr ? grid->indexOf(name_label) : -1;
  const int buttons_index = grid != nullptr && buttons != nullptr ? grid->indexOf(buttons) : -1;
  if (name_index < 0 || buttons_index < 0) {
    auto* row = new QHBoxLayout;
    row->addWidget(label_);
    row->addWidget(history_, 1);
    row->addWidget(ok_);
    if (auto* box = qobject_cast<QBoxLayout*>(layout())) box->addLayout(row);
    return;
  }
  int row = 0, column = 0, row_span = 0, column_span = 0;
  grid->getItemPosition(name_index, &row, &column, &row_span, &column_span);
  int buttons_row = 0, buttons_column = 0;
  grid->getItemPosition(buttons_index, &buttons_row, &buttons_column, &row_span, &column_span);
  grid->removeWidget(buttons);
  grid->addWidget(label_, row, column);
  grid->addWidget(history_, row, column + 1);
  grid->addWidget(ok_, row, buttons_column);
  grid->addWidget(buttons, row + 1, buttons_column);
}

void CXFolderDialog::HideStandardControls() {
  for (const char* name : {"fileNameLabel", "fileNameEdit", "fileTypeLabel", "fileTypeCombo"}) {
    if (auto* widget = findChild<QWidget*>(QString::fromLatin1(name))) widget->hide();
  }
  if (auto* buttons = findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))) {
    if (QPushButton* open = buttons->button(QDialogButtonBox::Open)) open->hide();
  }
}

void CXFolderDialog::ApplyTexts() {
  const auto text = [this](int id) -> std::optional<QString> {
    const std::optional<std::string> found =
        LoadLanguageString(language_index_, static_cast<uint32_t>(id), kPickerBufferChars);
    if (!found) return std::nullopt;
    return QString::fromStdString(*found);
  };
  if (!title_.isEmpty()) {
    setWindowTitle(title_);
  } else if (const auto title = text(kTitleText)) {
    setWindowTitle(*title);
  }
  if (const auto label = text(kLabelText)) label_->setText(*label);
  if (const auto ok = text(kOkText)) ok_->setText(*ok);
}

void CXFolderDialog::ShowFolder(const QString& folder) {
  const QString absolute = QDir(folder).absolutePath();
  setDirectory(absolute);
  OnFolderEntered(absolute);
}

void CXFolderDialog::ChooseHistoryText(const QString& text) {
  typed_pending_ = false;
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) return;
  const QString absolute = directory().absoluteFilePath(trimmed);
  const QFileInfo info(absolute);
  if (info.isDir()) {
    ShowFolder(absolute);
    return;
  }
  if (info.exists()) {
    ShowFolder(info.absolutePath());
    selectFile(absolute);
  }
  // Also what is not there (yet) is taken as it is: a card's folder from an older choice, or a
  // recording named without its extension. Then path and items agree.
  path_ = ChosenText(absolute, volumes_->Volumes());
  items_ = QStringList{path_};
  if (!info.exists()) history_->setEditText(path_);
}

void CXFolderDialog::accept() {
  // A text typed just before OK, without leaving the box, is still the user's choice.
  if (typed_pending_) ChooseHistoryText(history_->currentText());
  // Nothing chosen (the computer view shows no folder): the same as Cancel for the caller.
  if (path_.isEmpty()) {
    done(QDialog::Rejected);
    return;
  }
  const std::vector<platform::Volume> volumes = volumes_->Volumes();
  QStringList chosen = items_;
  chosen.prepend(path_);
  for (const QString& path : chosen) {
    if (IsRefusedRoot(path.toStdString(), volumes)) {
      messages_->Show(kSelectError);
      return;
    }
  }
  history_->SaveHistory(*OpenSettings());
  done(QDialog::Accepted);
}

void CXFolderDialog::showEvent(QShowEvent* event) {
  QFileDialog::showEvent(event);
  HideStandardControls();
  if (!shown_before_) {
    shown_before_ = true;
    // After the dialog has given the focus to its own (hidden) name box.
    QTimer::singleShot(0, history_, [combo = history_] { combo->setFocus(); });
  }
}

void CXFolderDialog::OnFolderEntered(const QString& folder) {
  typed_pending_ = false;
  path_ = ChosenText(folder, volumes_->Volumes());
  items_ = path_.isEmpty() ? QStringList() : QStringList{path_};
  history_->setEditText(path_);
}

void CXFolderDialog::OnSelectionChanged() {
  QModelIndexList rows = list_->selectionModel()->selectedRows();
  std::sort(rows.begin(), rows.end(),
            [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
  // Without a root the list shows the computer's drives, named by their paths.
  const bool computer_view = !list_->rootIndex().isValid();
  const std::string folder =
      computer_view ? std::string() : directory().absolutePath().toStdString();
  const int role = computer_view ? QFileSystemModel::FilePathRole : QFileSystemModel::FileNameRole;
  std::vector<std::string> names;
  for (const QModelIndex& row : rows) names.push_back(row.data(role).toString().toStdString());

  // With nothing selected in the drives view there is no choice: a drive selected before is not
  // kept as one.
  const std::vector<std::string> paths = SelectedItemPaths(folder, names, volumes_->Volumes());
  items_.clear();
  for (const std::string& path : paths) items_.append(QString::fromStdString(path));
  path_ = items_.isEmpty() ? QString() : items_.front();
}

}  // namespace vantrel::ui
