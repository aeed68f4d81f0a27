// The G-sensor graph as the window paints it: background, frame, grid and labels, and the three
// curves at the pixels the layout gives, for the recordings that strain the formulas.
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

#include "telemetry/gsensor_plot.h"
#include "telemetry/widgets/rb_gsensor_ctrl.h"

namespace vantrel::ui {
namespace {

const QRgb kBack = qRgb(26, 31, 37);
const QRgb kGrid = qRgb(120, 120, 120);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kGreen = qRgb(0, 255, 0);

RecordArray<GsensorRecord> Samples(std::initializer_list<GsensorRecord> records) {
  RecordArray<GsensorRecord> samples;
  for (const GsensorRecord& record : records) samples.Append(record);
  return samples;
}

QImage Graph(int w, int h, const RecordArray<GsensorRecord>& samples) {
  return PaintGsensorGraph({w, h}, samples).convertToFormat(QImage::Format_RGB32);
}

// How many pixels of the colour lie in the rectangle.
int Count(const QImage& image, QRgb colour, QRect area) {
  int n = 0;
  area &= image.rect();
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) == colour;
  }
  return n;
}

// How many pixels in the rectangle are not the background: text is smoothed, so its pixels are
// shades between the background and the grid colour.
int Inked(const QImage& image, QRect area) {
  return area.intersected(image.rect()).width() * area.intersected(image.rect()).height() -
         Count(image, kBack, area);
}

class GsensorGraphTest : public QObject {
  Q_OBJECT

 private slots:
  void WithoutSamplesOnlyFrameGridAndLabels() {
    const QImage g = Graph(600, 132, {});  // left 20, right 584, top 10, bottom 127, middle 68
    QCOMPARE(g.pixel(300, 100), kBack);
    QCOMPARE(g.pixel(20, 40), kGrid);  // solid frame lines
    QCOMPARE(g.pixel(584, 41), kGrid);
    QCOMPARE(g.pixel(20, 127), kGrid);
    QCOMPARE(g.pixel(585, 40), kBack);  // nothing right of the plot
    // Dotted: the inner columns and the three horizontals hold grey, but not on every pixel.
    for (int i = 1; i <= 11; ++i) {
      const int column = Count(g, kGrid, QRect(20 + 47 * i, 10, 1, 118));
      QVERIFY2(column > 20 && column < 118, qPrintable(QString::number(i)));
    }
    QCOMPARE(Count(g, kGrid, QRect(20 + 47 * 12 + 1, 0, 15, 132)), 0);
    for (int y : {68, 43, 93}) {
      const int row = Count(g, kGrid, QRect(21, y, 563, 1));
      QVERIFY(row > 100 && row < 563);
    }
    // The labels sit left of the plot: "2" by the top, "0" by the middle, "-2" by the bottom;
    // nothing else is there.
    QVERIFY(Inked(g, QRect(10, 5, 9, 12)) > 3);
    QVERIFY(Inked(g, QRect(10, 63, 9, 12)) > 3);
    QVERIFY(Inked(g, QRect(6, 122, 13, 10)) > 3);
    QCOMPARE(Inked(g, QRect(0, 20, 20, 40)), 0);
    QCOMPARE(Count(g, kRed, g.rect()) + Count(g, kYellow, g.rect()) + Count(g, kGreen, g.rect()),
             0);
  }

  void CurvesPassThroughTheirSamplesAndRunOnToTheRightEdge() {
    // X 1 g at the start, Y 1.5 g in the middle, Z 0.5 g at the end.
    const auto samples = Samples({{32, 0, 0, 0}, {0, 48, 0, 1500}, {0, 0, 16, 3000}});
    const QImage g = Graph(600, 132, samples);
    const auto curves = GraphCurves(LayoutGraph(600, 132), samples);
    QCOMPARE(g.pixel(curves[0][1].x, curves[0][1].y), kRed);     // (20, 38)
    QCOMPARE(g.pixel(curves[1][2].x, curves[1][2].y), kYellow);  // (302, 24)
    QCOMPARE(g.pixel(curves[2][3].x, curves[2][3].y), kGreen);   // (584, 53)
    QCOMPARE(g.pixel(302, 24), kYellow);
    // Z (drawn last) is flat at the middle until it rises to its last sample.
    QCOMPARE(g.pixel(200, 68), kGreen);
    QCOMPARE(g.pixel(584, 53), kGreen);
  }

  void OneSampleRunsFromTheLeftMiddleThroughItToTheRightEdge() {
    const QImage g = Graph(600, 132, Samples({{0, 0, 32, 2000}}));
    QCOMPARE(g.pixel(20, 68), kGreen);  // starts at the middle of the left edge
    QCOMPARE(g.pixel(584, 38), kGreen);
    QCOMPARE(g.pixel(302, 53), kGreen);  // half way up its one slope
  }

  void ALastTimeOfZeroDrawsOnlyOnTheLeftEdge() {
    const QImage g = Graph(600, 132, Samples({{64, 32, 16, 0}}));
    QCOMPARE(Count(g, kRed, QRect(21, 0, 579, 132)), 0);
    QCOMPARE(Count(g, kYellow, QRect(21, 0, 579, 132)), 0);
    QCOMPARE(Count(g, kGreen, QRect(21, 0, 579, 132)), 0);
    QCOMPARE(g.pixel(20, 60), kGreen);  // Z, 0.5 g: from 68 up to 53 on the edge
  }

  void ValuesPastTwoGStayInsideTheBand() {
    const QImage g = Graph(600, 132, Samples({{256, 256, 256, 100}, {1, 1, 1, 200}}));
    for (QRgb colour : {kRed, kYellow, kGreen}) {
      QCOMPARE(Count(g, colour, QRect(0, 0, 600, 10)), 0);  // above the top
      QCOMPARE(Count(g, colour, QRect(0, 0, 20, 132)), 0);  // over the labels
    }
    QCOMPARE(g.pixel(302, 10), kGreen);  // clipped to the top line
  }

  void NarrowAndWideClients() {
    const auto samples = Samples({{32, 32, 32, 100}, {0, 0, 0, 200}});
    const QImage narrow = Graph(41, 80, samples);  // no column fits
    QCOMPARE(Count(narrow, kGreen, QRect(21, 0, 20, 80)), 0);
    QVERIFY(Count(narrow, kGreen, QRect(20, 0, 1, 80)) > 0);
    const QImage wide = Graph(600, 80, samples);  // middle 42, sy 16.0
    QCOMPARE(wide.pixel(302, 25), kGreen);        // 42 - 32 * 0.0315 * 16 = 25.87
    QCOMPARE(wide.pixel(584, 42), kGreen);
  }

  void TheControlPaintsTheStoreAndAsksForTheMenuOnARightClick() {
    TelemetryStore store;
    const uint8_t sample[] = {'M', 31, 31, 31};  // 32 counts on every axis
    store.ParseTelemetryPacket(sample, sizeof sample, 1000);
    QWidget window;
    window.resize(700, 200);
    CRbGsensorCtrl graph(store, &window);
    QCOMPARE(graph.objectName(), QString("RbGsensorWnd"));
    QCOMPARE(graph.id(), 1001);
    QCOMPARE(graph.size(), QSize(600, 100));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(graph.grab().toImage().convertToFormat(QImage::Format_RGB32),
             Graph(600, 100, store.gsensor_records()));

    QSignalSpy asked(&graph, &CRbGsensorCtrl::playbackMenuRequested);
    QTest::mouseClick(&graph, Qt::LeftButton, {}, QPoint(50, 50));
    QCOMPARE(asked.count(), 0);
    QTest::mouseClick(&graph, Qt::RightButton, {}, QPoint(50, 50));
    QCOMPARE(asked.count(), 1);
    QCOMPARE(asked.at(0).at(0).toPoint(), graph.mapToGlobal(QPoint(50, 50)));
  }
};

}  // namespace
}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::GsensorGraphTest)
#include "gsensor_graph_test.moc"
