// The pictures shown instead of the map: the language's picture centred on dark grey.
#include <QImage>
#include <QTest>

#include "telemetry/map/widgets/map_picture_wnd.h"
#include "ui/skin/skin_images.h"

namespace vantrel::ui {

class MapPictureWndTest : public QObject {
  Q_OBJECT

 private slots:
  void windowsCarryTheirNamesIdsAndPictures() {
    CMapNoDataWnd no_data(1, nullptr);
    CMapNoConnectedWnd not_connected(0, nullptr);
    QCOMPARE(no_data.objectName(), QStringLiteral("RbMapNoDataWnd"));
    QCOMPARE(no_data.property("controlId").toInt(), 1011);
    QCOMPARE(not_connected.objectName(), QStringLiteral("RbNotConnectedWnd"));
    QCOMPARE(not_connected.property("controlId").toInt(), 1012);
    QVERIFY(no_data.isHidden());
    QCOMPARE(no_data.PictureId(), 148);
    QCOMPARE(not_connected.PictureId(), 190);
    not_connected.SetLanguageIndex(3);
    QCOMPARE(not_connected.PictureId(), 1141);
    not_connected.SetLanguageIndex(4);
    QCOMPARE(not_connected.PictureId(), 0);
  }

  void paintsThePictureCentredOnGrey() {
    for (int language = 0; language < 4; ++language) {
      CMapNoDataWnd window(language, nullptr);
      window.resize(279, 200);
      const QImage shot = window.grab().toImage();
      QCOMPARE(shot.pixelColor(0, 0), QColor(51, 51, 51));
      const QImage picture = LoadSkinImage(window.PictureId());
      if (picture.isNull()) continue;  // a skin without the picture paints the ground only
      const int x = (279 - picture.width()) / 2;
      const int y = (200 - picture.height()) / 2;
      const QColor centre = picture.pixelColor(picture.width() / 2, picture.height() / 2);
      if (centre.alpha() == 255) {
        QCOMPARE(shot.pixelColor(x + picture.width() / 2, y + picture.height() / 2), centre);
      }
    }
  }

  void aLanguageWithoutAPicturePaintsOnlyTheGround() {
    CMapNoConnectedWnd window(7, nullptr);
    window.resize(100, 100);
    const QImage shot = window.grab().toImage();
    for (int y = 0; y < 100; y += 9) {
      for (int x = 0; x < 100; x += 9) QCOMPARE(shot.pixelColor(x, y), QColor(51, 51, 51));
    }
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::MapPictureWndTest)
#include "map_picture_wnd_test.moc"
