// Format from the settings dialog: the card chosen there is formatted over the dialog, keeps its
// settings file, and when it is the opened source the window empties its list as for a card
// taken out.
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/language.h"
#include "device/widgets/fat_format_dialog.h"
#include "temp_dir.h"
#include "ui/main/control_ids.h"
#include "ui/settings/setting_ids.h"
#include "ui/skin/rb_list_ctrl.h"
#include "window_fixture.h"

namespace vantrel::ui {

class MainWindowFormatTest : public QObject {
  Q_OBJECT

 private slots:
  void formattingTheOpenedCardResetsTheWindow() {
    test::TempDir dir;
    qputenv("HOME", QByteArray::fromStdString(dir.File("home")));
    const std::filesystem::path card = dir.path() / "card";
    QVERIFY(test::WriteFile(card / "REC_20240101_100000.avi", "x"));
    QVERIFY(test::WriteFile(card / "setup.cfg", "Product Name            : KT410A\r\n"));
    QVERIFY(test::WriteFile(dir.path() / "card.img", ""));
    std::filesystem::resize_file(dir.path() / "card.img", 40 << 20);
    const std::string root = card.string() + "/";

    WindowFixture fixture(kEnglish, LoadTimings{20, 20});
    platform::Volume volume;
    volume.root = root;
    volume.label = "CARD";
    volume.removable = true;
    volume.bytes_per_sector = 512;
    volume.device_path = dir.File("card.img");
    fixture.volumes.volumes = {volume};
    CRecboxViewerDlg& window = *fixture.window;
    window.OpenPaths({QString::fromStdString(root)});
    QTRY_COMPARE(window.List().RowCount(), 1);
    QTRY_VERIFY(!window.source_loading().loading_window_open());

    SettingDialogServices services;
    services.option_file = dir.File("option.ini");
    services.program_folder = dir.File("program");
    services.messages = &fixture.messages;
    window.SetSettingServices(services);

    // Every question the format asks is answered as a user would: Yes, then Start.
    QTimer answers;
    int questions = 0;
    QString fat_label;
    connect(&answers, &QTimer::timeout, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        ++questions;
        box->button(QMessageBox::Yes)->click();
      } else if (auto* fat = qobject_cast<CFatFormatDlg*>(modal)) {
        fat_label = QString::fromStdString(fat->label());
        fat->accept();
      }
    });
    bool formatted = false;
    QTimer::singleShot(0, &window, [&] {
      auto* dialog = window.findChild<CSettingDlg*>();
      QVERIFY(dialog != nullptr);
      auto* cards = dialog->Control<QComboBox>(setting_id::kCardList);
      QCOMPARE(cards->count(), 1);
      cards->setCurrentIndex(0);
      answers.start(10);
      dialog->Control<QPushButton>(setting_id::kFormat)->click();
      answers.stop();
      formatted = true;
      dialog->Control<QPushButton>(setting_id::kCancel)->click();
    });
    window.OnCommand(button_id::kSetting);
    QVERIFY(formatted);
    QCOMPARE(questions, 1);
    QCOMPARE(fat_label, QStringLiteral("KT410A"));
    QVERIFY(!std::filesystem::exists(card / "REC_20240101_100000.avi"));
    QCOMPARE(test::ReadFile(card / "setup.cfg"),
             std::string("Product Name            : KT410A\r\n"));
    QCOMPARE(window.List().RowCount(), 0);
    QVERIFY(window.source_loading().source_root().empty());
    QVERIFY(!fixture.messages.texts.empty());
    QCOMPARE(fixture.messages.texts.back(), *LoadLanguageString(kEnglish, 251));
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::MainWindowFormatTest)
#include "main_window_format_test.moc"
