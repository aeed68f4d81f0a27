// The folder picker driven without a user: its extra row in each language, what OK hands back for
// folders, card roots and files, the refusal of fixed-disk roots, and the history and view mode it
// keeps in the settings.
#include "ui/picker/folder_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "app/language.h"
#include "app/user_messages.h"
#include "platform/volume_provider_simulated.h"
#include "temp_dir.h"
#include "ui/picker/history_combo.h"

namespace vantrel::ui {
namespace {

class RecordedMessages : public UserMessages {
 public:
  void Show(const std::string& text) override { shown.push_back(text); }
  std::vector<std::string> shown;
};

platform::Volume MakeVolume(const std::string& root, bool removable) {
  platform::Volume volume;
  volume.root = root;
  volume.removable = removable;
  volume.bytes_per_sector = 512;
  volume.device_path = "/dev/sdx";
  return volume;
}

QString Text(int language, int id) {
  return QString::fromStdString(
      LoadLanguageString(language, static_cast<uint32_t>(id), kPickerBufferChars).value_or(""));
}

std::unique_ptr<QSettings> Settings() {
  return std::make_unique<QSettings>(QStringLiteral("RecboxViewer"),
                                     QCoreApplication::applicationName());
}

}  // namespace

class FolderDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    settings_dir_ = std::make_unique<test::TempDir>();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(settings_dir_->path().string()));
  }

  void init() {
    Settings()->clear();
    temp_ = std::make_unique<test::TempDir>();
    base_ = QString::fromStdString(std::filesystem::canonical(temp_->path()).string());
    for (const char* folder : {"/card/DCIM", "/data/recordings"}) {
      std::filesystem::create_directories((base_ + folder).toStdString());
    }
    for (const char* file : {"/card/DCIM/REC_20140101_120000.avi",
                             "/card/DCIM/REC_20140101_120100.avi", "/card/DCIM/REC_NOEXT"}) {
      QVERIFY(test::WriteFile((base_ + file).toStdString(), "RIFF"));
    }
    volumes_ = std::make_unique<platform::SimulatedVolumeProvider>();
    volumes_->Insert(MakeVolume((base_ + "/card/").toStdString(), true));
    volumes_->Insert(MakeVolume((base_ + "/data/").toStdString(), false));
    messages_ = RecordedMessages();
  }
  void cleanup() { temp_.reset(); }

  void ExtraRowCarriesIdsAndTextsOfEachLanguage() {
    for (int language : {kEnglish, kKorean, kGerman, kJapanese}) {
      CXFolderDialog dialog(language, nullptr, volumes_.get(), &messages_);
      auto* label = dialog.findChild<QLabel*>("1001");
      auto* combo = dialog.findChild<CHistoryCombo*>("1002");
      auto* ok = dialog.findChild<QPushButton*>("1");
      QVERIFY(label != nullptr && combo != nullptr && ok != nullptr);
      QVERIFY(!Text(language, 227).isEmpty());
      QCOMPARE(label->text(), Text(language, 227));
      QCOMPARE(ok->text(), Text(language, 199));
      QCOMPARE(dialog.windowTitle(), Text(language, 101));
      QVERIFY(combo->isEditable());
    }
    CXFolderDialog korean(kKorean, nullptr, volumes_.get(), &messages_);
    QCOMPARE(korean.findChild<QLabel*>("1001")->text(), QStringLiteral("폴더:"));
    QCOMPARE(korean.findChild<QPushButton*>("1")->text(), QStringLiteral("선택"));
    QCOMPARE(korean.windowTitle(), QStringLiteral("폴더 열기"));

    // The caller's caption wins; an unknown language leaves the texts alone.
    CXFolderDialog other(9, nullptr, volumes_.get(), &messages_);
    other.SetTitle("Choose");
    QCOMPARE(other.windowTitle(), QStringLiteral("Choose"));
    QVERIFY(other.findChild<QPushButton*>("1")->text().isEmpty());

    // Only the picker's own row and Cancel show below the list.
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    for (const char* hidden : {"fileNameEdit", "fileNameLabel", "fileTypeCombo"}) {
      QVERIFY(!other.findChild<QWidget*>(hidden)->isVisible());
    }
    auto* buttons = other.findChild<QDialogButtonBox*>("buttonBox");
    QVERIFY(!buttons->button(QDialogButtonBox::Open)->isVisible());
    QVERIFY(buttons->button(QDialogButtonBox::Cancel)->isVisible());
    QVERIFY(other.findChild<QPushButton*>("1")->isVisible());
    other.reject();
  }

  void RootOfSystemOrFixedDiskIsRefused() {
    for (const QString& root : {QStringLiteral("/"), base_ + "/data"}) {
      Settings()->clear();
      messages_.shown.clear();
      CXFolderDialog dialog(kEnglish, nullptr, volumes_.get(), &messages_);
      QSignalSpy finished(&dialog, &QDialog::finished);
      dialog.ShowFolder(root);
      dialog.accept();
      QVERIFY(messages_.shown == std::vector<std::string>{"Select error"});
      QCOMPARE(finished.count(), 0);
      // Refused choices are not remembered.
      QVERIFY(!Settings()->contains("FolderHistory/Folder0000"));

      // The user may go on and choose a folder on that disk.
      dialog.ShowFolder(base_ + "/data/recordings");
      dialog.accept();
      QCOMPARE(finished.count(), 1);
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
      QCOMPARE(messages_.shown.size(), size_t{1});
    }
    // A root typed into the history box is refused the same way.
    CXFolderDialog typed(kEnglish, nullptr, volumes_.get(), &messages_);
    messages_.shown.clear();
    typed.ChooseHistoryText(" / ");
    typed.accept();
    QCOMPARE(messages_.shown.size(), size_t{1});
  }

  void FolderAndCardRootChoices() {
    CXFolderDialog dialog(kEnglish, nullptr, volumes_.get(), &messages_);
    dialog.ShowFolder(base_ + "/card/DCIM/");
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.path(), base_ + "/card/DCIM");
    QCOMPARE(dialog.items(), QStringList{base_ + "/card/DCIM"});

    // A removable card's root is accepted, and written as the volume's root.
    CXFolderDialog card(kEnglish, nullptr, volumes_.get(), &messages_);
    card.ShowFolder(base_ + "/card");
    card.accept();
    QCOMPARE(card.result(), int(QDialog::Accepted));
    QCOMPARE(card.path(), base_ + "/card/");
    QCOMPARE(card.items(), QStringList{base_ + "/card/"});
    QVERIFY(messages_.shown.empty());
    QCOMPARE(Settings()->value("FolderHistory/Folder0000").toString(), base_ + "/card/");
    QCOMPARE(Settings()->value("FolderHistory/Folder0001").toString(), base_ + "/card/DCIM");
    QCOMPARE(Settings()->value("FolderHistory/Folder").toString(), base_ + "/card/");

    // The computer view names no folder: OK then chooses nothing and remembers nothing.
    CXFolderDialog computer(kEnglish, nullptr, volumes_.get(), &messages_);
    emit computer.directoryEntered(QString());
    computer.accept();
    QCOMPARE(computer.result(), int(QDialog::Rejected));
    QVERIFY(computer.path().isEmpty());
    QCOMPARE(Settings()->value("FolderHistory/Folder0000").toString(), base_ + "/card/");
  }

  void SelectedFilesComeBackInListOrder() {
    const QString dcim = base_ + "/card/DCIM";
    CXFolderDialog dialog(kEnglish, nullptr, volumes_.get(), &messages_);
    dialog.ShowFolder(dcim);
    auto* list = dialog.findChild<QListView*>("listView");
    // The folder is read in the background; wait until its recordings are listed.
    QTRY_COMPARE(list->model()->rowCount(list->rootIndex()), 2);
    list->selectAll();
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const QStringList files = {dcim + "/REC_20140101_120000.avi",
                               dcim + "/REC_20140101_120100.avi"};
    QCOMPARE(dialog.items(), files);
    QCOMPARE(dialog.path(), files.front());
    // The history keeps the folder, not the file.
    QCOMPARE(Settings()->value("FolderHistory/Folder0000").toString(), dcim);

    // Cleared again: the folder is the choice.
    list->clearSelection();
    QCOMPARE(dialog.items(), QStringList{dcim});
    QCOMPARE(dialog.path(), dcim);
  }

  // The drives view: a selected drive is the choice; with the selection cleared nothing is, so
  // OK chooses nothing instead of the drive selected before.
  void DriveSelectionClearedChoosesNothing() {
    CXFolderDialog dialog(kEnglish, nullptr, volumes_.get(), &messages_);
    dialog.ShowFolder(base_ + "/card/DCIM");
    dialog.setDirectory(QString());
    auto* list = dialog.findChild<QListView*>("listView");
    QVERIFY(!list->rootIndex().isValid());
    QTRY_VERIFY(list->model()->rowCount(list->rootIndex()) > 0);
    list->setCurrentIndex(list->model()->index(0, 0, list->rootIndex()));
    QCOMPARE(dialog.path(), QStringLiteral("/"));

    list->clearSelection();
    QVERIFY(dialog.path().isEmpty());
    QVERIFY(dialog.items().isEmpty());
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(messages_.shown.empty());
    QVERIFY(!Settings()->contains("FolderHistory/Folder0000"));
  }

  void FilesWithAndWithoutExtensionTypedIntoHistory() {
    const QString dcim = base_ + "/card/DCIM";
    CXFolderDialog dialog(kEnglish, nullptr, volumes_.get(), &messages_);
    dialog.ShowFolder(dcim);

    // An existing file without extension: shown selected in its folder, taken as it is.
    dialog.ChooseHistoryText(dcim + "/REC_NOEXT");
    QCOMPARE(dialog.path(), dcim + "/REC_NOEXT");
    QCOMPARE(dialog.items(), QStringList{dcim + "/REC_NOEXT"});

    // A recording named without its extension, relative to the folder shown, typed just before
    // OK without leaving the box.
    auto* combo = dialog.findChild<CHistoryCombo*>("1002");
    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), "REC_20140101_120000");
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.path(), dcim + "/REC_20140101_120000");
    QCOMPARE(dialog.items(), QStringList{dcim + "/REC_20140101_120000"});
    QCOMPARE(Settings()->value("FolderHistory/Folder").toString(), dcim + "/REC_20140101_120000");

    // An existing folder typed in is shown.
    CXFolderDialog other(kEnglish, nullptr, volumes_.get(), &messages_);
    other.ChooseHistoryText(base_ + "/data/recordings/");
    QCOMPARE(other.directory().absolutePath(), base_ + "/data/recordings");
    QCOMPARE(other.path(), base_ + "/data/recordings");
  }

  void HistoryIsCappedReorderedAndReadBack() {
    {
      const std::unique_ptr<QSettings> settings = Settings();
      for (int i = 0; i < 60; ++i) {
        settings->setValue(QStringLiteral("FolderHistory/Folder%1").arg(i, 4, 10, QChar('0')),
                           base_ + QStringLiteral("/old%1").arg(i));
      }
    }
    const QString chosen = base_ + "/data/recordings";
    {
      const std::unique_ptr<QSettings> settings = Settings();
      settings->setValue("FolderHistory/Folder0030", chosen);
    }
    {
      CXFolderDialog dialog(kEnglish, nullptr, volumes_.get(), &messages_);
      auto* combo = dialog.findChild<CHistoryCombo*>("1002");
      QCOMPARE(combo->count(), 50);
      QCOMPARE(combo->itemText(30), chosen);
      // Picked from the list: the picker goes there.
      combo->setCurrentIndex(30);
      emit combo->textActivated(combo->itemText(30));
      QCOMPARE(dialog.path(), chosen);
      dialog.accept();
    }
    const std::unique_ptr<QSettings> settings = Settings();
    QCOMPARE(settings->value("FolderHistory/Folder0000").toString(), chosen);
    QCOMPARE(settings->value("FolderHistory/Folder0001").toString(), base_ + "/old0");
    QCOMPARE(settings->value("FolderHistory/Folder0030").toString(), base_ + "/old29");
    QCOMPARE(settings->value("FolderHistory/Folder0031").toString(), base_ + "/old31");
    QCOMPARE(settings->value("FolderHistory/Folder0049").toString(), base_ + "/old49");
    QVERIFY(!settings->contains("FolderHistory/Folder0050"));
    QVERIFY(!settings->contains("FolderHistory/Folder0059"));
    QCOMPARE(settings->value("FolderHistory/Folder").toString(), chosen);

    // The next picker starts in the last choice and lists the history once each.
    CXFolderDialog next(kEnglish, nullptr, volumes_.get(), &messages_);
    auto* combo = next.findChild<CHistoryCombo*>("1002");
    QCOMPARE(combo->count(), 50);
    QCOMPARE(combo->itemText(0), chosen);
    QCOMPARE(combo->findText(chosen), 0);
    QCOMPARE(next.path(), chosen);
  }

  void RunsModallyAndKeepsTheViewMode() {
    {
      CXFolderDialog dialog(kEnglish, nullptr, volumes_.get(), &messages_);
      dialog.ShowFolder(base_ + "/card/DCIM");
      dialog.setViewMode(QFileDialog::Detail);
      QTimer::singleShot(0, &dialog, [&dialog] {
        QTest::mouseClick(dialog.findChild<QPushButton*>("1"), Qt::LeftButton);
      });
      QCOMPARE(dialog.exec(), int(QDialog::Accepted));
      QCOMPARE(dialog.path(), base_ + "/card/DCIM");
    }
    QCOMPARE(Settings()->value("XFolderDialog/ViewMode").toInt(), 28747);

    {
      CXFolderDialog dialog(kEnglish, nullptr, volumes_.get(), &messages_);
      QCOMPARE(dialog.viewMode(), QFileDialog::Detail);
      dialog.setViewMode(QFileDialog::List);
      QTimer::singleShot(0, &dialog, &QDialog::reject);
      QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    }
    QCOMPARE(Settings()->value("XFolderDialog/ViewMode").toInt(), 28753);

    // A picker that never ran leaves the stored mode alone; a foreign value is ignored.
    { CXFolderDialog unused(kEnglish, nullptr, volumes_.get(), &messages_); }
    QCOMPARE(Settings()->value("XFolderDialog/ViewMode").toInt(), 28753);
    Settings()->setValue("XFolderDialog/ViewMode", 28750);
    CXFolderDialog dialog(kEnglish, nullptr, volumes_.get(), &messages_);
    QCOMPARE(dialog.viewMode(), QFileDialog::List);
  }

 private:
  std::unique_ptr<test::TempDir> settings_dir_;
  std::unique_ptr<test::TempDir> temp_;
  QString base_;
  std::unique_ptr<platform::SimulatedVolumeProvider> volumes_;
  RecordedMessages messages_;
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::FolderDialogTest)
#include "folder_dialog_test.moc"
