// The FAT format dialog and the format run off the user-interface thread.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <filesystem>

#include "device/widgets/fat_format_dialog.h"
#include "device/widgets/format_card_runner.h"
#include "recorded_messages.h"
#include "shot.h"
#include "temp_dir.h"

namespace vantrel::ui {

class FatFormatDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void offersTheLabelAndOnlyAQuickFormat() {
    CFatFormatDlg dialog("KT410A", 0, nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Format card"));
    QCOMPARE(dialog.label(), std::string("KT410A"));
    QVERIFY(dialog.quick_format()->isChecked());
    QVERIFY(!dialog.quick_format()->isEnabled());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    SaveShot(dialog.grab().toImage(), QStringLiteral("fat_format_dialog"));
    dialog.label_edit()->selectAll();
    QTest::keyClicks(dialog.label_edit(), QStringLiteral("A LONGER LABEL"));
    QCOMPARE(dialog.label(), std::string("A LONGER LA"));  // 11 characters at most
    QTest::mouseClick(dialog.start_button(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
  }

  void theFormatRunsOnAThreadWhileTheBusyWindowWaits() {
    namespace fs = std::filesystem;
    test::TempDir temp;
    const fs::path root = temp.path() / "card";
    QVERIFY(test::WriteFile(root / "setup.cfg", "settings"));
    QVERIFY(test::WriteFile(root / "old.avi", "video"));
    QVERIFY(test::WriteFile(temp.path() / "card.img", ""));
    fs::resize_file(temp.path() / "card.img", 40 << 20);
    device::CardFormatJob job;
    job.card.root = root.string() + "/";
    job.card.device_path = (temp.path() / "card.img").string();
    job.fat_label = "KT410A";
    job.card_files = {"setup.cfg"};
    job.parking_parent = (temp.path() / "parked").string();
    test::RecordedMessages messages;
    QtFormatCardPorts ports(nullptr, messages, 0);
    const device::CardFormatOutcome outcome = ports.Run(job);
    QVERIFY(outcome.succeeded);
    QCOMPARE(outcome.restored, std::vector<std::string>{"setup.cfg"});
    QCOMPARE(test::ReadFile(root / "setup.cfg"), std::string("settings"));
    QVERIFY(!fs::exists(root / "old.avi"));
    ports.Show("done");
    QCOMPARE(messages.shown, std::vector<std::string>{"done"});
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::FatFormatDialogTest)
#include "fat_format_dialog_test.moc"
