// The folder picker of the Open command: a file dialog in which the user chooses the folder it
// shows, a card's root, or files and folders selected in it, with a box of recently chosen
// folders. The bare root of a fixed disk is refused. History and view mode are kept through
// QSettings (organisation "RecboxViewer"), so the program or a test decides where they go.
//
// Lifetime: the volume provider and message sink given to the constructor must outlive the
// dialog. Used on the user-interface thread only.
#pragma once

#include <QFileDialog>
#include <QString>
#include <QStringList>
#include <memory>

class QLabel;
class QListView;
class QPushButton;

namespace vantrel {
class UserMessages;
namespace platform {
class VolumeProvider;
}
}  // namespace vantrel

namespace vantrel::ui {

class CHistoryCombo;
class CXFileOpenListView;

class CXFolderDialog : public QFileDialog {
  Q_OBJECT

 public:
  // Ids of the picker's own controls (also their object names) and of its texts.
  static constexpr int kOkId = 1;
  static constexpr int kLabelId = 1001;
  static constexpr int kHistoryId = 1002;
  static constexpr int kTitleText = 101;
  static constexpr int kOkText = 199;
  static constexpr int kLabelText = 227;
  static constexpr int kHistoryMaxCount = 50;

  // Texts come from the language library of `language_index`. Without a volume provider the
  // picker reads this computer's mounted volumes; without a message sink it shows message boxes.
  CXFolderDialog(int language_index, QWidget* parent = nullptr,
                 platform::VolumeProvider* volumes = nullptr, UserMessages* messages = nullptr);
  // Stores the view mode the list had when the dialog last closed.
  ~CXFolderDialog() override;

  // The choice after OK: the folder shown, a selected item, or the text chosen in the history
  // box. Folders that are a volume's mount root end in "/".
  QString path() const { return path_; }
  // Every chosen item in the list's order; the folder itself when nothing was selected, and
  // none in the drives view, which shows no folder.
  QStringList items() const { return items_; }

  // A caption to show instead of the language's one.
  void SetTitle(const QString& title);

  // Goes to a folder as the user would, making it the choice.
  void ShowFolder(const QString& folder);
  // Takes a text chosen in the history box or typed into it: an existing folder is shown, an
  // existing file is shown selected in its folder; anything else becomes the choice as it is.
  void ChooseHistoryText(const QString& text);

  // The picker's OK: refuses a bare fixed-disk root with "Select error" and stays open;
  // otherwise remembers the choice in the history and closes with Accepted (with Rejected when
  // nothing is chosen). Also the path of a double click on a file.
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildExtraRow();
  void HideStandardControls();
  void ApplyTexts();
  void OnFolderEntered(const QString& folder);
  void OnSelectionChanged();

  int language_index_;
  std::unique_ptr<platform::VolumeProvider> own_volumes_;
  platform::VolumeProvider* volumes_;
  std::unique_ptr<UserMessages> own_messages_;
  UserMessages* messages_;

  QLabel* label_ = nullptr;
  CHistoryCombo* history_ = nullptr;
  QPushButton* ok_ = nullptr;
  QListView* list_ = nullptr;
  CXFileOpenListView* list_view_ = nullptr;

  QString title_;
  QString path_;
  QStringList items_;
  // The user edited the history box and the text has not been taken yet.
  bool typed_pending_ = false;
  bool shown_before_ = false;
};

}  // namespace vantrel::ui
