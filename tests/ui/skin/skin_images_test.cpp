// Every skin image the window and the controls name is compiled in at its size, and the drawing
// primitives cut, key out and stretch the right pixels.
#include <QPainter>
#include <QtTest>
#include <vector>

#include "ui/skin/skin_image_ids.h"
#include "ui/skin/skin_images.h"

namespace vantrel::ui {
namespace {

struct Sized {
  std::vector<int> ids;
  int width;
  int height;
};

std::vector<int> Range(int first, int last) {
  std::vector<int> ids;
  for (int id = first; id <= last; ++id) ids.push_back(id);
  return ids;
}

// Ids and sizes as the window's layout and the controls' drawing need them.
std::vector<Sized> ExpectedImages() {
  std::vector<Sized> sets = {
      {{19101, 19102, 19103}, 36, 36},
      {Range(19111, 19114), 36, 36},
      {Range(19294, 19297), 36, 36},
      {Range(19121, 19124), 36, 36},
      {Range(19131, 19134), 36, 36},
      {Range(19141, 19143), 36, 36},
      {Range(19151, 19153), 36, 36},
      {Range(19161, 19163), 36, 36},
      {Range(18101, 18103), 44, 36},
      {Range(18111, 18113), 44, 36},
      {Range(18121, 18123), 44, 36},
      {Range(19171, 19174), 32, 32},
      {Range(19181, 19184), 32, 32},
      {Range(19191, 19198), 32, 32},
      {Range(19201, 19204), 32, 32},
      {Range(19211, 19214), 32, 32},
      {Range(19251, 19253), 32, 32},
      {{19221, 19222, 19231, 19232}, 25, 24},
      {Range(19241, 19244), 25, 24},
      {Range(19261, 19265), 18, 20},
      {Range(184, 189), 42, 32},
      {{20031, 20032, 20041, 20042, 20051, 20052}, 42, 32},
      {Range(1112, 1117), 42, 32},
      {Range(1135, 1140), 42, 32},
      {{1036}, 12, 22},
      {{1042}, 12, 13},
      {{1147, 1055}, 3, 11},
      {{1040}, 100, 19},
      {{163, 165, 167}, 18, 19},
      {{164}, 12, 1},
      {{1148, 1150, 1153, 1155}, 6, 6},
      {{1149, 1154}, 10, 6},
      {{1151, 1152}, 6, 10},
      {{152}, 677, 392},
      {{197}, 64, 64},
      {{20011}, 131, 43},
      {{20012}, 3, 19},
      {Range(20014, 20023), 13, 19},
      {{157, 158, 159}, 30, 24},
      {{192, 193, 1094, 1095, 1120, 1121, 1143, 1144, 1157, 1158}, 86, 30},
      {{194, 1122, 1145}, 291, 28},
      {{1092}, 291, 34},
  };
  return sets;
}

class SkinImagesTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryNamedImageResolvesAtItsSize() {
    for (const Sized& set : ExpectedImages()) {
      for (int id : set.ids) {
        const QImage image = LoadSkinImage(id);
        QVERIFY2(!image.isNull(), qPrintable(QString("image %1 missing").arg(id)));
        QVERIFY2(
            image.size() == QSize(set.width, set.height),
            qPrintable(
                QString("image %1 is %2 x %3").arg(id).arg(image.width()).arg(image.height())));
      }
    }
  }

  void MapNoticesArePngsThatFitTheMapArea() {
    for (int id : {191, 148, 1119, 1142, 190, 155, 1118, 1141}) {
      QCOMPARE(SkinImageOf(id), SkinImageKind::kPng);
      const QImage notice = LoadSkinImage(id);
      QVERIFY2(notice.width() <= 279 && notice.height() <= 200, qPrintable(QString::number(id)));
      QVERIFY(notice.hasAlphaChannel());
    }
  }

  void StripsAndTracksAreLargeEnoughForTheirCuts() {
    // The seek track's right cap is cut at x 667, the strip is drawn 211 x 49, the top-bar
    // background is cut from rows 9..16.
    QVERIFY(LoadSkinImage(kSeekTrackImage).width() >= 677);
    QCOMPARE(LoadSkinImage(kSeekTrackImage).height(), 19);
    QVERIFY(LoadSkinImage(kTopStripImage).width() >= 211);
    QCOMPARE(LoadSkinImage(kTopStripImage).height(), 49);
    QVERIFY(LoadSkinImage(kTopButtonBackImage).width() >= 32);
    QVERIFY(LoadSkinImage(kTopButtonBackImage).height() >= 17);
  }

  void EveryButtonSetOfTheHeaderResolves() {
    const ButtonImages sets[] = {kOpenImages,   kCaptureImages, kSaveCopyImages,     kZoomImages,
                                 kPrintImages,  kSettingImages, kLayoutToggleImages, kAboutImages,
                                 kMinImages,    kMaxImages,     kCloseImages,        kPrevImages,
                                 kRewindImages, kPlayImages,    kPauseImages,        kForwardImages,
                                 kNextImages,   kSpeedImages,   kBrightImages,       kMapImages,
                                 kMuteImages,   kMutedImages,   kFilterImages};
    for (const ButtonImages& set : sets) {
      const QSize size = LoadSkinImage(set.normal).size();
      for (int id : {set.normal, set.pressed, set.hover, set.disabled, set.selected}) {
        if (id == 0) continue;
        QVERIFY2(LoadSkinImage(id).size() == size, qPrintable(QString::number(id)));
      }
    }
    for (int language = -1; language <= 4; ++language) {
      for (Channel channel : {Channel::kFront, Channel::kRear, Channel::kAll}) {
        const ButtonImages faces = ChannelButtonImages(language, channel);
        QCOMPARE(LoadSkinImage(faces.normal).size(), QSize(42, 32));
        QCOMPARE(LoadSkinImage(faces.selected).size(), QSize(42, 32));
        QCOMPARE(faces.pressed + faces.hover + faces.disabled, 0);
      }
    }
    QCOMPARE(ChannelButtonImages(1, Channel::kAll).normal, 20051);
    QCOMPARE(ChannelButtonImages(3, Channel::kRear).selected, 1138);
    QCOMPARE(ChannelButtonImages(7, Channel::kFront).normal, 184);  // unknown: English
  }

  void KindsAndMissingIds() {
    QCOMPARE(SkinImageOf(kSeekTrackImage), SkinImageKind::kBitmap);
    QCOMPARE(SkinImageOf(kOpenImages.normal), SkinImageKind::kPng);
    for (int id : {0, -5, 1, 19299, 99999}) {
      QCOMPARE(SkinImageOf(id), SkinImageKind::kNone);
      QVERIFY(LoadSkinImage(id).isNull());
    }
  }

  void AnImageIsReadOnceAndSharedByEveryPaint() {
    QCOMPARE(LoadSkinImage(kSeekTrackImage).cacheKey(), LoadSkinImage(kSeekTrackImage).cacheKey());
    QCOMPARE(LoadSkinImage(kOpenImages.normal).cacheKey(),
             LoadSkinImage(kOpenImages.normal).cacheKey());
  }

  void BlitCutsTheRegionAndMissingImagesDrawNothing() {
    const QImage track = LoadSkinImage(kSeekTrackImage).convertToFormat(QImage::Format_RGB32);
    QImage canvas(20, 19, QImage::Format_RGB32);
    canvas.fill(Qt::magenta);
    {
      QPainter painter(&canvas);
      BlitSkinBitmap(painter, kSeekTrackImage, 5, 0, 10, 19, 667, 0);
      BlitSkinBitmap(painter, 4242, 0, 0, 20, 19, 0, 0);
      DrawSkinPng(painter, 4242, 0, 0);
      StretchSkinBitmap(painter, 4242, 0, 0, 20, 19, 1, 1);
    }
    QCOMPARE(canvas.copy(5, 0, 10, 19), track.copy(667, 0, 10, 19));
    QCOMPARE(canvas.pixel(0, 0), QColor(Qt::magenta).rgb());
    QCOMPARE(canvas.pixel(19, 18), QColor(Qt::magenta).rgb());
  }

  void DrawKeysOutTheTransparentColourAndCutsAtTheGivenSize() {
    const QImage face = LoadSkinImage(184).convertToFormat(QImage::Format_RGB32);
    const QColor corner = face.pixelColor(0, 0);  // the face's own background
    QImage canvas(42, 32, QImage::Format_RGB32);
    canvas.fill(Qt::magenta);
    {
      QPainter painter(&canvas);
      DrawSkinBitmap(painter, 184, 0, 0, 30, 20, true, corner);
    }
    QCOMPARE(canvas.pixelColor(0, 0), QColor(Qt::magenta));    // keyed out
    QCOMPARE(canvas.pixelColor(35, 25), QColor(Qt::magenta));  // outside the 30 x 20 cut
    QCOMPARE(canvas.pixel(21, 16), face.pixel(21, 16));        // the face itself
  }

  void StretchAndFrameCoverTheirAreas() {
    QImage canvas(100, 80, QImage::Format_RGB32);
    canvas.fill(Qt::magenta);
    {
      QPainter painter(&canvas);
      StretchSkinBitmap(painter, kScrollTrackImage, 0, 0, 18, 40, 12, 1);
      DrawVideoFrame(painter, 30, 30, 50, 40);
    }
    QVERIFY(canvas.pixelColor(17, 39) != QColor(Qt::magenta));
    // The frame lies in the kVideoFrameWidth pixels around the area, never inside it.
    QVERIFY(canvas.pixelColor(30 - kVideoFrameWidth, 30 - kVideoFrameWidth) != QColor(Qt::magenta));
    QVERIFY(canvas.pixelColor(80 + kVideoFrameWidth - 1, 70 + kVideoFrameWidth - 1) !=
            QColor(Qt::magenta));
    QVERIFY(canvas.pixelColor(55, 27) != QColor(Qt::magenta));
    QCOMPARE(canvas.pixelColor(55, 50), QColor(Qt::magenta));
    QCOMPARE(canvas.pixelColor(30 - kVideoFrameWidth - 1, 50), QColor(Qt::magenta));
  }
};

}  // namespace
}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::SkinImagesTest)
#include "skin_images_test.moc"
