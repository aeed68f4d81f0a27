// The speed gauge as the window paints it: for each speed, each of the four 13 x 19 places holds
// exactly the digit image it should (keyed on white over the background) or only the background.
#include <QtTest>
#include <cmath>

#include "telemetry/widgets/rb_speed_ctrl.h"
#include "ui/skin/skin_image_ids.h"
#include "ui/skin/skin_images.h"

namespace vantrel::ui {
namespace {

const int kPlaces[4] = {10, 25, 41, 61};

QImage Opaque(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

constexpr int kDark = -1;

// Whether the place at x shows `digit` (or, when kDark, only the background).
bool PlaceShows(const QImage& gauge, int x, int digit) {
  const QImage back = Opaque(LoadSkinImage(kGaugeBackImage));
  const QImage glyph = digit != kDark ? Opaque(LoadSkinImage(kGaugeDigitImages[digit])) : QImage();
  for (int dy = 0; dy < kGaugeDigitHeight; ++dy) {
    for (int dx = 0; dx < kGaugeDigitWidth; ++dx) {
      QRgb expected = back.pixel(x + dx, 11 + dy);
      if (digit != kDark && glyph.pixel(dx, dy) != qRgb(255, 255, 255))
        expected = glyph.pixel(dx, dy);
      if (gauge.pixel(x + dx, 11 + dy) != expected) return false;
    }
  }
  return true;
}

class SpeedGaugeTest : public QObject {
  Q_OBJECT

 private slots:
  void PlacesCarryTheirDigits_data() {
    QTest::addColumn<double>("speed");
    QTest::addColumn<QString>("places");  // thousands..units of the tenths; '-' dark
    QTest::newRow("0.0") << 0.0 << "--00";
    QTest::newRow("0.5") << 0.5 << "--05";
    QTest::newRow("0.94") << 0.94 << "--09";
    QTest::newRow("9.99") << 9.99 << "--99";
    QTest::newRow("10.0") << 10.0 << "-100";
    QTest::newRow("12.3") << 12.3 << "-123";
    QTest::newRow("100.0") << 100.0 << "1000";
    QTest::newRow("999.9") << 999.9 << "9999";
    QTest::newRow("1234.5") << 1234.5 << "9999";
    QTest::newRow("-3") << -3.0 << "--00";
    QTest::newRow("nan") << std::nan("") << "--00";
  }

  void PlacesCarryTheirDigits() {
    QFETCH(double, speed);
    QFETCH(QString, places);
    const QImage gauge = Opaque(PaintSpeedGauge({131, 43}, speed));
    QCOMPARE(gauge.size(), QSize(131, 43));
    for (int place = 0; place < 4; ++place) {
      const QChar c = places[place];
      const int digit = c == '-' ? kDark : c.digitValue();
      QVERIFY2(PlaceShows(gauge, kPlaces[place], digit),
               qPrintable(QString("place %1 should show %2").arg(place).arg(c)));
    }
    // The point is always lit, and nothing of the key colour shows anywhere.
    const QImage point = Opaque(LoadSkinImage(kGaugePointImage));
    for (int y = 0; y < 19; ++y) {
      if (point.pixel(1, y) != qRgb(255, 255, 255))
        QCOMPARE(gauge.pixel(57, 11 + y), point.pixel(1, y));
    }
    for (int y = 0; y < gauge.height(); ++y) {
      for (int x = 0; x < gauge.width(); ++x) QVERIFY(gauge.pixel(x, y) != qRgb(255, 255, 255));
    }
  }

  void DigitsDifferSoPlacesCanBeTold() {
    const QImage gauge = Opaque(PaintSpeedGauge({131, 43}, 12.3));
    QVERIFY(!PlaceShows(gauge, 41, 8));
    QVERIFY(!PlaceShows(gauge, 41, kDark));
    QVERIFY(!PlaceShows(gauge, 10, 0));
  }

  void TheControlPaintsTheSpeedItWasGivenAtOnce() {
    QWidget window;
    window.resize(200, 100);
    CRbSpeedCtrl gauge(&window);
    QCOMPARE(gauge.objectName(), QString("RbSpeedWnd"));
    QCOMPARE(gauge.id(), 1003);
    QCOMPARE(gauge.size(), QSize(131, 43));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    gauge.SetSpeed(57.4);
    gauge.Refresh();
    QCOMPARE(Opaque(gauge.grab().toImage()), Opaque(PaintSpeedGauge({131, 43}, 57.4)));
  }
};

}  // namespace
}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::SpeedGaugeTest)
#include "speed_gauge_test.moc"
