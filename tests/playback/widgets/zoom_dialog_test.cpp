// The zoom window: where its source rectangle lies at the edges of the screen, its title taken
// afresh from the language library on every show, the close box and Escape keeping the Zoom
// command in step, and the magnified picture of what lies under the pointer.
#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include "app/language.h"
#include "playback/widgets/zoom_dialog.h"
#include "playback/widgets/zoom_geometry.h"

using namespace vantrel;
using namespace vantrel::ui;

namespace {

QString Title(int language) {
  return QString::fromStdString(LoadLanguageString(language, kZoomTitleTextId).value_or(""));
}

// A window of one colour.
class SolidWindow : public QWidget {
 public:
  explicit SolidWindow(QColor colour) : colour_(colour) { setWindowFlag(Qt::FramelessWindowHint); }

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), colour_); }

 private:
  QColor colour_;
};

bool CentreIs(const QImage& image, QColor colour) {
  return !image.isNull() &&
         QColor(image.pixel(image.width() / 2, image.height() / 2)).rgb() == colour.rgb();
}

}  // namespace

class ZoomDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void SourceStaysOnTheScreen() {
    const VirtualScreen single{0, 0, 1920, 1080};
    // 425 x 330 gives a third of 141 x 110.
    QCOMPARE(ZoomSource(single, 425, 330, 0, 0), (ZoomRect{0, 0, 141, 110}));
    QCOMPARE(ZoomSource(single, 425, 330, 1919, 1079), (ZoomRect{1779, 970, 141, 110}));
    QCOMPARE(ZoomSource(single, 425, 330, 960, 540), (ZoomRect{890, 485, 141, 110}));

    // A monitor left of the primary one: the left edge is negative and the right edge is still
    // the far monitor's.
    const VirtualScreen wide{-1280, 0, 3200, 1080};
    QCOMPARE(ZoomSource(wide, 425, 330, -1280, 0), (ZoomRect{-1280, 0, 141, 110}));
    QCOMPARE(ZoomSource(wide, 425, 330, 1919, 1079), (ZoomRect{1779, 970, 141, 110}));
    QCOMPARE(InScreenCopy(wide, ZoomRect{-1280, 0, 141, 110}), (ZoomRect{0, 0, 141, 110}));
    QCOMPARE(InScreenCopy(wide, ZoomRect{850, 465, 425, 330}), (ZoomRect{2130, 465, 425, 330}));

    // And one above it.
    const VirtualScreen tall{0, -768, 1920, 1848};
    QCOMPARE(ZoomSource(tall, 425, 330, 5, -760), (ZoomRect{0, -768, 141, 110}));
    QCOMPARE(InScreenCopy(tall, ZoomRect{0, -768, 141, 110}), (ZoomRect{0, 0, 141, 110}));

    // A window more than three times the screen starts at its edge.
    const VirtualScreen tiny{0, 0, 100, 100};
    QCOMPARE(ZoomSource(tiny, 600, 600, 50, 50), (ZoomRect{0, 0, 200, 200}));

    // Too narrow or too low a window stretches nothing.
    QVERIFY(ZoomSource(single, 2, 330, 500, 500).empty());
    QVERIFY(ZoomSource(single, 425, 2, 500, 500).empty());
    QVERIFY(!ZoomSource(single, 3, 3, 500, 500).empty());
  }

  void TitleIsReloadedOnEveryShow() {
    QVERIFY(!Title(kEnglish).isEmpty());
    QVERIFY(Title(kKorean) != Title(kEnglish));

    CZoomDlg zoom(nullptr);
    QVERIFY(zoom.isHidden());
    QVERIFY(!zoom.shown());
    QCOMPARE(zoom.geometry().size(), QSize(425, 330));

    zoom.SetLanguageIndex(kEnglish);
    zoom.Toggle();
    QVERIFY(zoom.isVisible());
    QVERIFY(zoom.shown());
    QCOMPARE(zoom.windowTitle(), Title(kEnglish));

    // The close box hides it and clears the flag, so the next Zoom shows it again.
    QVERIFY(zoom.close());
    QVERIFY(zoom.isHidden());
    QVERIFY(!zoom.shown());
    zoom.setWindowTitle("stale");
    zoom.SetLanguageIndex(kKorean);
    zoom.Toggle();
    QVERIFY(zoom.shown());
    QCOMPARE(zoom.windowTitle(), Title(kKorean));

    // Escape behaves like the close box.
    QTest::keyClick(&zoom, Qt::Key_Escape);
    QVERIFY(zoom.isHidden());
    QVERIFY(!zoom.shown());

    // No library for the language: the title stays as it was.
    zoom.SetLanguageIndex(7);
    zoom.Toggle();
    QVERIFY(zoom.shown());
    QCOMPARE(zoom.windowTitle(), Title(kKorean));
    zoom.Toggle();
    QVERIFY(zoom.isHidden());
    QVERIFY(!zoom.shown());
  }

  void MagnifiesWhatIsUnderThePointerButNeverItself() {
    QScreen* screen = QGuiApplication::primaryScreen();
    QVERIFY(screen != nullptr);
    SolidWindow target(QColor(0, 160, 0));
    target.setGeometry(20, 20, 300, 200);
    target.show();
    QVERIFY(QTest::qWaitForWindowExposed(&target));
    QCursor::setPos(170, 120);
    if (QCursor::pos() != QPoint(170, 120)) QSKIP("the pointer cannot be moved on this platform");
    if (!CentreIs(screen->grabWindow(0).toImage().copy(20, 20, 300, 200), QColor(0, 160, 0))) {
      QSKIP("the screen cannot be copied on this platform");
    }

    // Ticks while hidden do nothing.
    CZoomDlg zoom(nullptr, 1);
    zoom.setGeometry(400, 300, 150, 120);
    QTest::qWait(20);
    QVERIFY(zoom.magnified().isNull());

    zoom.Toggle();
    QVERIFY(QTest::qWaitForWindowExposed(&zoom));
    QTRY_VERIFY(CentreIs(zoom.magnified(), QColor(0, 160, 0)));
    QCOMPARE(zoom.magnified().size(), zoom.size());

    // Over its own window it shows grey, not a picture of itself.
    QCursor::setPos(zoom.mapToGlobal(QPoint(75, 60)));
    zoom.Magnify();
    QVERIFY(CentreIs(zoom.magnified(), QColor(150, 150, 150)));

    // Too narrow to magnify: nothing is drawn.
    zoom.resize(2, 120);
    zoom.Magnify();
    QVERIFY(zoom.magnified().isNull());
  }
};

QTEST_MAIN(ZoomDialogTest)
#include "zoom_dialog_test.moc"
