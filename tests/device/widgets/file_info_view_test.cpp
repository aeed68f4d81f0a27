// The card information view: compact and wide layouts by the "User.bin" marker, the summary
// panels and the file list.
#include <QHeaderView>
#include <QTableWidget>
#include <QtTest>

#include "device/widgets/file_info_view.h"
#include "shot.h"
#include "temp_dir.h"
#include "ui/skin/rb_button_ctrl.h"
#include "ui/skin/rb_text_ctrl.h"

namespace vantrel::ui {
namespace {

device::CardFileSummary Summary() {
  return device::BuildCardFileSummary([] {
    std::vector<RecordingEntry> entries;
    for (const auto& [name, kib] :
         std::vector<std::pair<std::string, uint64_t>>{{"REC_20140101_120000_1.avi", 1536 * 1024},
                                                       {"EVT_20140101_120100_2.avi", 30 * 1024},
                                                       {"PRK_20140101_120200_1.avi", 700},
                                                       {"MOT_20140101_120300_1.avi", 5 * 1024}}) {
      RecordingEntry entry;
      entry.name = entry.path = name;
      entry.size_kib = kib;
      entries.push_back(entry);
    }
    return entries;
  }());
}

}  // namespace

class FileInfoViewTest : public QObject {
  Q_OBJECT

 private slots:
  void compactWithoutTheMarkerStillFillsTheList() {
    test::TempDir program;
    QVERIFY(test::WriteFile(program.path() / "user.bin", ""));  // another letter case
    CFileInfoView view(Summary(), program.path().string(), nullptr);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(!view.wide());
    QCOMPARE(view.size(), QSize(250, 230));
    QVERIFY(!view.list()->isVisible());
    QCOMPARE(view.Panel(1004)->geometry(), QRect(70, 10, 200, 20));
    QCOMPARE(view.Panel(1000)->geometry(), QRect(10, 40, 200, 20));
    QCOMPARE(view.Panel(1003)->geometry(), QRect(10, 130, 200, 20));
    QCOMPARE(view.ok_button()->geometry(), QRect(150, 160, 83, 32));
    QCOMPARE(view.ok_button()->images().normal, 1094);
    QCOMPARE(view.list()->rowCount(), 4);
    QCOMPARE(
        view.Panel(1000)->PanelTexts(),
        QStringList({QStringLiteral("전체"), QStringLiteral("   4"), QStringLiteral("1.5GB")}));
    QCOMPARE(view.Panel(1001)->PanelTexts()[1], QStringLiteral("   1"));  // 상시
    QCOMPARE(view.Panel(1003)->PanelTexts()[1], QStringLiteral("   1"));  // 주차: MOT, not PRK
    QCOMPARE(view.Panel(1004)->PanelTexts(), QStringList{QStringLiteral("파일수        크기")});
    const QImage picture = view.grab().toImage();
    QCOMPARE(picture.pixelColor(5, 200), QColor(34, 44, 54));
    SaveShot(picture, QStringLiteral("file_info_compact"));
  }

  void wideWithTheMarkerShowsEveryFile() {
    test::TempDir program;
    QVERIFY(test::WriteFile(program.path() / "User.bin", ""));
    CFileInfoView view(Summary(), program.path().string(), nullptr);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(view.wide());
    QCOMPARE(view.size(), QSize(626, 770));
    QVERIFY(view.list()->isVisible());
    QCOMPARE(view.list()->geometry(), QRect(10, 10, 356, 720));
    QCOMPARE(view.Panel(1004)->geometry(), QRect(436, 10, 200, 20));
    QCOMPARE(view.Panel(1002)->geometry(), QRect(376, 100, 200, 20));
    QCOMPARE(view.ok_button()->geometry(), QRect(533, 160, 83, 32));
    QTableWidget& list = *view.list();
    QCOMPARE(list.columnCount(), 3);
    QCOMPARE(list.horizontalHeaderItem(1)->text(), QStringLiteral("파일이름"));
    QCOMPARE(list.columnWidth(0), 50);
    QCOMPARE(list.columnWidth(1), 200);
    QCOMPARE(list.columnWidth(2), 80);
    QCOMPARE(list.item(0, 0)->text(), QStringLiteral("1"));
    QCOMPARE(list.item(2, 1)->text(), QStringLiteral("PRK_20140101_120200_1.avi"));
    QCOMPARE(list.item(2, 2)->text(), QStringLiteral("  0MB"));
    QCOMPARE(list.item(0, 2)->text(), QStringLiteral("1536MB"));
    SaveShot(view.grab().toImage(), QStringLiteral("file_info_wide"));
  }

  void anEmptySummaryHasNoRows() {
    CFileInfoView view(device::CardFileSummary{}, "/nonexistent", nullptr);
    QCOMPARE(view.list()->rowCount(), 0);
    QCOMPARE(view.Panel(1000)->PanelTexts()[2], QStringLiteral("0.0GB"));
    QTest::mouseClick(view.ok_button(), Qt::LeftButton);
    QCOMPARE(view.result(), int(QDialog::Accepted));
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::FileInfoViewTest)
#include "file_info_view_test.moc"
