// The full-screen window: hidden, a tool window of 1026 x 770 centred on the primary screen,
// painted in the skin's dark background.
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "playback/widgets/full_dialog.h"

using vantrel::ui::CFullDlg;

class FullDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void HiddenCentredAndDark() {
    CFullDlg full(nullptr);
    QVERIFY(full.isHidden());
    QVERIFY(full.windowFlags().testFlag(Qt::Tool));
    QCOMPARE(full.size(), QSize(1026, 770));
    QCOMPARE(full.geometry().center(), QGuiApplication::primaryScreen()->geometry().center());

    const QImage picture = full.grab().toImage();
    const QRgb dark = QColor(34, 44, 54).rgb();
    for (const QPoint& at : {QPoint(0, 0), QPoint(1025, 769), QPoint(513, 385), QPoint(1025, 0)}) {
      QCOMPARE(QColor(picture.pixel(at)).rgb(), dark);
    }
  }
};

QTEST_MAIN(FullDialogTest)
#include "full_dialog_test.moc"
