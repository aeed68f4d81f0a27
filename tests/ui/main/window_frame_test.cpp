// Moving and resizing the caption-less window: hit-test codes, the minimum-size stops, moving by
// the grab point and the top band's double click.
#include <QTest>

#include "rect_printing.h"
#include "ui/main/main_layout.h"
#include "ui/main/window_frame.h"

namespace vantrel::ui {

class WindowFrameTest : public QObject {
  Q_OBJECT

 private slots:
  void HitTestGivesCornersBeforeEdges() {
    const int w = 1026;
    const int h = 770;
    QCOMPARE(HitTest(0, 0, w, h), FrameHit::kTopLeft);
    QCOMPARE(HitTest(9, 9, w, h), FrameHit::kTopLeft);
    QCOMPARE(HitTest(w - 1, 0, w, h), FrameHit::kTopRight);
    QCOMPARE(HitTest(0, h - 1, w, h), FrameHit::kBottomLeft);
    QCOMPARE(HitTest(w - 10, h - 10, w, h), FrameHit::kBottomRight);
    QCOMPARE(HitTest(5, 400, w, h), FrameHit::kLeft);
    QCOMPARE(HitTest(500, 3, w, h), FrameHit::kTop);
    QCOMPARE(HitTest(w - 3, 400, w, h), FrameHit::kRight);
    QCOMPARE(HitTest(500, h - 2, w, h), FrameHit::kBottom);
    // The border is ten pixels: the eleventh is client.
    QCOMPARE(HitTest(10, 10, w, h), FrameHit::kClient);
    QCOMPARE(HitTest(w - 11, h - 11, w, h), FrameHit::kClient);
    QCOMPARE(static_cast<int>(FrameHit::kTopLeft), 13);
    QCOMPARE(static_cast<int>(FrameHit::kBottom), 15);
  }

  void DraggedLeftAndTopEdgesStopAtTheMinimum() {
    const Rect window{100, 100, 1200, 1000};
    // Dragging the left edge right stops at a width of 1026; the right edge stays.
    QCOMPARE(ResizeFromEdge(FrameHit::kLeft, window, {500, 300}), (Rect{174, 100, 1200, 1000}));
    QCOMPARE(ResizeFromEdge(FrameHit::kLeft, window, {50, 300}), (Rect{50, 100, 1200, 1000}));
    // Dragging the top edge down stops at a height of 770.
    QCOMPARE(ResizeFromEdge(FrameHit::kTop, window, {0, 900}), (Rect{100, 230, 1200, 1000}));
    QCOMPARE(ResizeFromEdge(FrameHit::kTopLeft, window, {2000, 2000}),
             (Rect{174, 230, 1200, 1000}));
    // Right and bottom edges follow the mouse but never make the window smaller than allowed.
    QCOMPARE(ResizeFromEdge(FrameHit::kBottomRight, window, {1500, 1100}),
             (Rect{100, 100, 1500, 1100}));
    QCOMPARE(ResizeFromEdge(FrameHit::kRight, window, {300, 500}), (Rect{100, 100, 1126, 1000}));
    QCOMPARE(ResizeFromEdge(FrameHit::kBottom, window, {300, 0}), (Rect{100, 100, 1200, 870}));
    // A client press resizes nothing.
    QCOMPARE(ResizeFromEdge(FrameHit::kClient, window, {0, 0}), window);
  }

  void MoveKeepsTheGrabPointUnderTheMouse() {
    QCOMPARE(MoveByGrab({40, 20}, {540, 320}), (Point{500, 300}));
    QCOMPARE(MoveByGrab({40, 20}, {10, 10}), (Point{-30, -10}));
  }

  void TopBandDoubleClickOnlyInTheFullLayout() {
    QVERIFY(IsTopBandDoubleClick(kFullLayout, false, 500, 20, 1026));
    QVERIFY(IsTopBandDoubleClick(kFullLayout, false, 1, 48, 1026));
    QVERIFY(!IsTopBandDoubleClick(kFullLayout, false, 500, 49, 1026));
    QVERIFY(!IsTopBandDoubleClick(kFullLayout, false, 0, 20, 1026));
    QVERIFY(!IsTopBandDoubleClick(kFullLayout, false, 1026, 20, 1026));
    QVERIFY(!IsTopBandDoubleClick(kFullLayout, false, 500, 0, 1026));
    QVERIFY(!IsTopBandDoubleClick(kCompactLayout, false, 500, 20, 1026));
    QVERIFY(!IsTopBandDoubleClick(kFullLayout, true, 500, 20, 1026));
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::WindowFrameTest)
#include "window_frame_test.moc"
