// The video surface as the engine and the user meet it: pictures presented from other threads
// reach the screen filling the surface without repainting the window behind, the size the engine
// reads follows the window, and a right click asks for the playback menu only in a language that
// has one.
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include "playback/widgets/rb_screen_ctrl.h"

using vantrel::SinkPicture;
using vantrel::SinkRect;
using vantrel::ui::CRbScreenCtrl;
using vantrel::ui::kFrontSurfaceId;
using vantrel::ui::kRearSurfaceId;

namespace {

// A solid picture in the engine's layout (B, G, R, unused), with a few spare bytes a row.
struct SolidPicture {
  SolidPicture(int width, int height, QColor colour) : width(width), height(height) {
    stride = width * 4 + 8;
    pixels.resize(static_cast<size_t>(stride) * height);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        uint8_t* pixel = &pixels[static_cast<size_t>(y) * stride + x * 4];
        pixel[0] = static_cast<uint8_t>(colour.blue());
        pixel[1] = static_cast<uint8_t>(colour.green());
        pixel[2] = static_cast<uint8_t>(colour.red());
        pixel[3] = 0;
      }
    }
  }
  SinkPicture View() const { return SinkPicture{pixels.data(), width, height, stride, 0}; }

  int width;
  int height;
  int stride;
  std::vector<uint8_t> pixels;
};

// True when every pixel of the image has this colour.
bool IsSolid(const QImage& image, QColor colour) {
  if (image.isNull()) return false;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (QColor(image.pixel(x, y)).rgb() != colour.rgb()) return false;
    }
  }
  return true;
}

// The main window stand-in: counts right clicks that get past a surface and its own paints.
class ParentWindow : public QWidget {
 public:
  int right_presses = 0;
  int paints = 0;

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::RightButton) ++right_presses;
  }
  void paintEvent(QPaintEvent*) override { ++paints; }
};

// Shows an 800 x 600 window with surface placed in it at geometry; false when it never showed.
bool ShowIn(QWidget& window, QWidget& surface, const QRect& geometry) {
  window.resize(800, 600);
  surface.setGeometry(geometry);
  surface.show();
  window.show();
  return QTest::qWaitForWindowExposed(&window);
}

}  // namespace

class RbScreenCtrlTest : public QObject {
  Q_OBJECT

 private slots:
  void StartsHiddenAtItsRectangleAndTheSizeFollowsTheWindow() {
    QWidget window;
    window.resize(800, 600);
    CRbScreenCtrl front(kFrontSurfaceId, &window);
    CRbScreenCtrl rear(kRearSurfaceId, &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(front.objectName(), QString("RbScreenWnd"));
    QCOMPARE(front.id(), 1004);
    QVERIFY(front.isHidden());
    QVERIFY(rear.isHidden());
    QCOMPARE(front.geometry(), QRect(0, 0, 300, 200));
    QCOMPARE(rear.geometry(), QRect(0, 0, 100, 100));
    // The engine reads the size before the surfaces are ever shown.
    QCOMPARE(front.ClientRect().width, 300);
    QCOMPARE(front.ClientRect().height, 200);
    QCOMPARE(rear.ClientRect().width, 100);

    front.show();
    front.setGeometry(10, 20, 640, 360);
    QCOMPARE(front.ClientRect().width, 640);
    QCOMPARE(front.ClientRect().height, 360);

    // Placed while hidden, then shown: the size is there by the time it shows.
    rear.setGeometry(0, 0, 320, 180);
    rear.show();
    QCOMPARE(rear.ClientRect().width, 320);
    QCOMPARE(rear.ClientRect().height, 180);
  }

  void PictureFromAnotherThreadFillsTheSurface() {
    QWidget window;
    CRbScreenCtrl surface(kFrontSurfaceId, &window);
    QVERIFY(ShowIn(window, surface, {0, 0, 320, 180}));
    QVERIFY(surface.TakePicture().isNull());

    const SinkRect rect = surface.ClientRect();
    const SolidPicture red(rect.width, rect.height, QColor(200, 30, 10));
    std::thread engine([&] { surface.Present(red.View()); });
    engine.join();
    QCoreApplication::processEvents();
    QVERIFY(IsSolid(surface.grab().toImage(), QColor(200, 30, 10)));
    QCOMPARE(surface.TakePicture().size(), QSize(320, 180));

    // Mid-resize the engine still sends the old size: it is stretched over the whole surface.
    const SolidPicture blue(160, 90, QColor(10, 40, 220));
    std::thread late([&] { surface.Present(blue.View()); });
    late.join();
    QCoreApplication::processEvents();
    QVERIFY(IsSolid(surface.grab().toImage(), QColor(10, 40, 220)));

    // Broken pictures are refused and the last good one stays.
    SinkPicture no_pixels = blue.View();
    no_pixels.pixels = nullptr;
    SinkPicture short_rows = blue.View();
    short_rows.stride = short_rows.width * 4 - 1;
    SinkPicture huge = blue.View();
    huge.width = 1 << 30;
    for (const SinkPicture& broken : {no_pixels, short_rows, huge}) surface.Present(broken);
    QCOMPARE(surface.TakePicture().size(), QSize(160, 90));
    QVERIFY(IsSolid(surface.TakePicture(), QColor(10, 40, 220)));
  }

  void APictureCoversTheSurfaceSoTheWindowBehindIsNotRepaintedForEach() {
    ParentWindow window;
    CRbScreenCtrl surface(kFrontSurfaceId, &window);
    QVERIFY(ShowIn(window, surface, {100, 50, 320, 180}));
    // Before its first picture the window's background shows through the surface.
    const int before = window.paints;
    surface.update();
    QCoreApplication::processEvents();
    QVERIFY(window.paints > before);

    const SolidPicture red(320, 180, QColor(200, 30, 10));
    const SolidPicture green(320, 180, QColor(0, 255, 0));
    surface.Present(red.View());
    QCoreApplication::processEvents();
    const int after_first = window.paints;
    for (int i = 0; i < 5; ++i) {
      surface.Present((i % 2 == 0 ? green : red).View());
      QCoreApplication::processEvents();
    }
    QCOMPARE(window.paints, after_first);
    QVERIFY(IsSolid(surface.grab().toImage(), QColor(0, 255, 0)));
  }

  void TwoGraphsPresentingAtOnceAndDestructionWithARepaintPending() {
    QWidget window;
    auto surface = std::make_unique<CRbScreenCtrl>(kRearSurfaceId, &window);
    QVERIFY(ShowIn(window, *surface, {0, 0, 64, 36}));

    // One graph winding down at the old size while the new one presents at the current size.
    const SolidPicture old_graph(48, 27, QColor(0, 255, 0));
    const SolidPicture new_graph(64, 36, QColor(255, 0, 255));
    std::atomic<bool> stop{false};
    auto present = [&](const SolidPicture& picture) {
      for (int i = 0; i < 400 && !stop; ++i) {
        surface->Present(picture.View());
        (void)surface->ClientRect();
      }
    };
    std::thread first(present, std::cref(old_graph));
    std::thread second(present, std::cref(new_graph));
    for (int i = 0; i < 50; ++i) {
      QCoreApplication::processEvents();
      const QImage shown = surface->TakePicture();
      // Never a mixture of the two pictures.
      QVERIFY(shown.isNull() || IsSolid(shown, QColor(0, 255, 0)) ||
              IsSolid(shown, QColor(255, 0, 255)));
    }
    stop = true;
    first.join();
    second.join();

    // A repaint asked for and not yet run when the surface goes.
    surface->Present(new_graph.View());
    surface.reset();
    QCoreApplication::processEvents();
  }

  void RightClickAsksForTheMenuOnlyInALanguageWithOne() {
    ParentWindow window;
    CRbScreenCtrl surface(kFrontSurfaceId, &window);
    QVERIFY(ShowIn(window, surface, {100, 50, 320, 180}));
    QSignalSpy spy(&surface, &CRbScreenCtrl::playbackMenuRequested);

    const QPoint at(30, 40);
    for (int language = 0; language <= 3; ++language) {
      surface.SetLanguageIndex(language);
      QTest::mouseClick(&surface, Qt::RightButton, Qt::NoModifier, at);
      QCOMPARE(spy.count(), language + 1);
      QCOMPARE(spy.last().at(0).toPoint(), surface.mapToGlobal(at));
    }
    for (int language : {7, -1}) {
      surface.SetLanguageIndex(language);
      QTest::mouseClick(&surface, Qt::RightButton, Qt::NoModifier, at);
    }
    surface.SetLanguageIndex(0);
    QTest::mouseClick(&surface, Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(spy.count(), 4);
    // The main window must not open a second menu under the surface's.
    QCOMPARE(window.right_presses, 0);
  }
};

QTEST_MAIN(RbScreenCtrlTest)
#include "rb_screen_ctrl_test.moc"
