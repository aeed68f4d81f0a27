// The loading window: where and how it shows, its text panel, and its one timer.
#include <QtTest>

#include "ui/main/file_load_dialog.h"
#include "ui/skin/rb_text_ctrl.h"

namespace vantrel::ui {

class FileLoadDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void showsCentredOverTheOwnerThenCompletesOnceAndCloses() {
    QWidget owner;
    owner.setGeometry(200, 150, 1026, 770);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));

    int completions = 0;
    bool visible_when_completing = false;
    CFileLoadDlg dialog(&owner, 1, 40, [&] {
      ++completions;
      visible_when_completing = dialog.isVisible();
    });
    QCOMPARE(dialog.windowTitle(), QStringLiteral("파일을 불러오는 중..."));

    QRect geometry;
    QImage picture;
    bool timer_running = false;
    QTimer::singleShot(10, &dialog, [&] {
      geometry = dialog.geometry();
      picture = dialog.grab().toImage();
      timer_running = dialog.timer().isActive();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));

    QCOMPARE(geometry, QRect(200 + (1026 - 300) / 2, 150 + (770 - 100) / 2, 300, 100));
    QVERIFY(timer_running);
    QCOMPARE(dialog.timer().interval(), 40);
    QVERIFY(!dialog.timer().isActive());
    QCOMPARE(completions, 1);
    QVERIFY(visible_when_completing);
    // The strips above and below the text panel show the window's own background.
    QCOMPARE(picture.pixelColor(5, 3), QColor(0x22, 0x2C, 0x36));
    QCOMPARE(picture.pixelColor(295, 96), QColor(0x22, 0x2C, 0x36));
  }

  void holdsTheLoadingMessagePanel() {
    CFileLoadDlg dialog(nullptr, 0, 3000, nullptr);
    CRbTextCtrl* panel = dialog.text_panel();
    QVERIFY(panel != nullptr);
    QCOMPARE(panel->parentWidget(), &dialog);
    QCOMPARE(panel->geometry(), QRect(0, 10, 300, 80));
    QCOMPARE(panel->id(), 1000);
    QCOMPARE(panel->panel_type(), 14);
    QCOMPARE(panel->PanelTexts(),
             QStringList({QStringLiteral("파일을 열고 있습니다."),
                          QStringLiteral("잠시만 기다려 주시길 바랍니다."),
                          QStringLiteral("※SD 카드 용량에 따라 시간이 지연될 수 있습니다.")}));
    QCOMPARE(dialog.size(), QSize(300, 100));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(dialog.isModal());
  }

  void closesWithoutAnOwnerOrWork() {
    CFileLoadDlg dialog(nullptr, 1, 5, nullptr);
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::FileLoadDialogTest)
#include "file_load_dialog_test.moc"
