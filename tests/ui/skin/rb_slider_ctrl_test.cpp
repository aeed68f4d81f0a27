// Slider arithmetic (rate, brightness, seek positions, fills) and the sliders' drawing and mouse
// handling.
#include <QSignalSpy>
#include <QtTest>
#include <climits>

#include "skin_test_images.h"
#include "ui/skin/rb_slider_ctrl.h"
#include "ui/skin/skin_image_ids.h"
#include "ui/skin/slider_mappings.h"

namespace vantrel::ui {
namespace {

class RbSliderCtrlTest : public QObject {
  Q_OBJECT

 private slots:
  void SeekPositionsAndFills() {
    QCOMPARE(SeekPositionAt(0, 600, 60'000), 0);
    QCOMPARE(SeekPositionAt(600, 600, 60'000), 60'000);
    QCOMPARE(SeekPositionAt(300, 600, 60'000), 30'000);
    QCOMPARE(SeekPositionAt(-40, 600, 60'000), 0);       // dragged past the left end
    QCOMPARE(SeekPositionAt(900, 600, 60'000), 60'000);  // and past the right end
    QCOMPARE(SeekPositionAt(599, 600, INT_MAX), static_cast<int>(599LL * INT_MAX / 600));
    QCOMPARE(SeekPositionAt(10, 0, 60'000), 0);
    QCOMPARE(SeekPositionAt(10, 600, 0), 0);

    QCOMPARE(SeekFillWidth(0, 60'000, 600, 15), 7);
    QCOMPARE(SeekFillWidth(60'000, 60'000, 600, 15), 592);
    QCOMPARE(SeekFillWidth(INT_MAX, INT_MAX, 600, 15), 592);
    QCOMPARE(SeekFillWidth(5, 0, 600, 15), 0);
    QCOMPARE(SimpleFillWidth(0, 100), 0);
    QCOMPARE(SimpleFillWidth(100, 100), 100);
    QCOMPARE(SimpleFillWidth(37, 100), 37);
    QCOMPARE(SimpleFillWidth(120, 100), 100);
  }

  void SimpleSliderFillsNothingAtZeroAndTheWholeTrackAtItsMaximum() {
    QWidget window;
    CRbSimpleSliderCtrl slider(1033, &window);
    slider.resize(127, 30);
    QCOMPARE(slider.minimum(), 0);
    QCOMPARE(slider.maximum(), 100);
    QCOMPARE(slider.pageStep(), 10);
    const QImage fill = LoadSkinImage(kFillTileImage).convertToFormat(QImage::Format_RGB32);
    const QColor fill_colour = fill.pixelColor(1, 5);
    const int fill_y = (30 - 19) / 2 + 4 + 5;  // the fill's middle row
    const int track_x = CRbSimpleSliderCtrl::kTrackOffset;

    slider.setValue(0);
    QImage drawn = Grab(slider);
    for (int x : {track_x + 20, track_x + 50, track_x + 95}) {
      QVERIFY(drawn.pixelColor(x, fill_y) != fill_colour);
    }
    slider.setValue(100);
    QCOMPARE(slider.FillWidth(), 100);
    drawn = Grab(slider);
    for (int x : {track_x + 20, track_x + 50, track_x + 85}) {
      QCOMPARE(drawn.pixelColor(x, fill_y), fill_colour);
    }
    QCOMPARE(drawn.pixelColor(0, 0), kSkinBackground);
  }

  void SimpleSliderFollowsThePointerOnItsTrack() {
    QWidget window;
    CRbSimpleSliderCtrl slider(1146, &window);
    slider.resize(127, 30);
    QSignalSpy moved(&slider, &QSlider::sliderMoved);
    QSignalSpy released(&slider, &QSlider::sliderReleased);
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(15 + 30, 15));
    QCOMPARE(slider.value(), 30);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(126, 15));
    QCOMPARE(slider.value(), 100);
    QCOMPARE(released.count(), 1);
    QVERIFY(moved.count() >= 1);
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(2, 15));
    QCOMPARE(slider.value(), 0);
  }

  void SeekSliderSeeksToWhereItIsPressed() {
    QWidget window;
    CRbSliderCtrl slider(1026, &window);
    slider.resize(640, 19);
    slider.setRange(0, 90'000);
    QSignalSpy seeks(&slider, &CRbSliderCtrl::seekRequested);
    QSignalSpy released(&slider, &CRbSliderCtrl::released);

    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(0, 9));
    QCOMPARE(seeks.takeFirst().at(0).toInt(), 0);
    QCOMPARE(slider.value(), 0);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(640, 9));
    QCOMPARE(seeks.takeFirst().at(0).toInt(), 90'000);
    QCOMPARE(slider.value(), 90'000);
    QCOMPARE(released.count(), 1);

    // A move only seeks while dragging.
    QTest::mouseMove(&slider, QPoint(320, 9));
    QCOMPARE(seeks.count(), 0);
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(639, 9));
    QCOMPARE(seeks.takeFirst().at(0).toInt(), 639 * 90'000 / 640);

    // At the maximum the fill reaches the thumb's share from the right end.
    slider.setValue(90'000);
    QCOMPARE(slider.FillWidth(), 640 - 15 + 7);
    slider.SetEndInset(0);
    QCOMPARE(slider.FillWidth(), 640);
    slider.setValue(0);
    QCOMPARE(slider.FillWidth(), 7);
  }
};

}  // namespace
}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::RbSliderCtrlTest)
#include "rb_slider_ctrl_test.moc"
