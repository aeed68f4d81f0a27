// The window's background: which colour each block gets in each layout, and the video area's
// look with and without a picture on it.
#include <QImage>
#include <QTest>

#include "ui/main/background_painter.h"

namespace vantrel::ui {
namespace {

QColor At(const QPixmap& pixmap, int x, int y) { return pixmap.toImage().pixelColor(x, y); }

}  // namespace

class BackgroundPainterTest : public QObject {
  Q_OBJECT

 private slots:
  void FullLayoutFillsItsBlocks() {
    const QSize size(1026, 770);
    const MainLayout layout = ComputeLayout({kFullLayout, size.width(), size.height()});
    const QPixmap pixmap = RenderBackground(layout, size, true);
    QCOMPARE(pixmap.size(), size);
    QCOMPARE(At(pixmap, 300, 650), QColor(26, 31, 37));   // G-sensor band
    QCOMPARE(At(pixmap, 1000, 300), QColor(46, 53, 60));  // list block
    QCOMPARE(At(pixmap, 750, 760), QColor(26, 30, 35));   // map block
    QCOMPARE(At(pixmap, 1015, 300), QColor(46, 53, 60));  // under the list's scroll bar
    QCOMPARE(At(pixmap, 720, 300), QColor(34, 44, 54));   // between video and list
    QCOMPARE(At(pixmap, 300, 480), QColor(34, 44, 54));   // control strip
    // A picture is shown: a grey line round the plain video area.
    QCOMPARE(At(pixmap, 25, 61), QColor(100, 100, 100));
    QCOMPARE(At(pixmap, 701, 452), QColor(100, 100, 100));
    QCOMPARE(At(pixmap, 300, 300), QColor(34, 44, 54));
  }

  void CompactLayoutHasNoBlocks() {
    const QSize size(1026, 770);
    const MainLayout layout = ComputeLayout({kCompactLayout, size.width(), size.height()});
    const QPixmap shown = RenderBackground(layout, size, true);
    QCOMPARE(At(shown, 1000, 700), QColor(34, 44, 54));
    QCOMPARE(At(shown, 750, 760), QColor(34, 44, 54));
    QCOMPARE(At(shown, 0, 624), QColor(100, 100, 100));

    // Nothing shown: the empty-screen picture fills the video area instead of the border.
    const QPixmap empty = RenderBackground(layout, size, false);
    const QImage image = empty.toImage();
    bool differs = false;
    for (int x = 0; x < size.width() && !differs; x += 7) {
      differs = image.pixelColor(x, 300) != QColor(34, 44, 54);
    }
    QVERIFY(differs);
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::BackgroundPainterTest)
#include "background_painter_test.moc"
