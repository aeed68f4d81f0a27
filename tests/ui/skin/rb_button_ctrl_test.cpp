// Skinned buttons show the image of their state, on screen, through presses, hovering and
// leaving; a disabled button ignores the mouse.
#include <QEnterEvent>
#include <QSignalSpy>
#include <QtTest>

#include "skin_test_images.h"
#include "ui/skin/rb_button_ctrl.h"
#include "ui/skin/skin_image_ids.h"

namespace vantrel::ui {
namespace {

void Enter(QWidget& widget) {
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(&widget, &enter);
}

void Leave(QWidget& widget) {
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&widget, &leave);
}

// Whether the button is on screen as `id` over the skin background.
bool Shows(CRbButtonCtrl& button, int id) {
  return button.ShownImage() == id && Grab(button) == ImageOnBackground(id, button.size());
}

class RbButtonCtrlTest : public QObject {
  Q_OBJECT

 private slots:
  void PressReleaseAndHoverPickTheirImages() {
    QWidget window;
    CRbButtonCtrl button(1013, &window);
    button.SetImages(kPlayImages);
    button.resize(32, 32);
    QSignalSpy clicks(&button, &QAbstractButton::clicked);
    QVERIFY(Shows(button, kPlayImages.normal));

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(Shows(button, kPlayImages.pressed));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(Shows(button, kPlayImages.normal));
    QCOMPARE(clicks.count(), 1);

    // Hover, leave, hover again: the hover image both times.
    Enter(button);
    QVERIFY(Shows(button, kPlayImages.hover));
    Leave(button);
    QVERIFY(Shows(button, kPlayImages.normal));
    Enter(button);
    QVERIFY(Shows(button, kPlayImages.hover));
    // The window clearing the hover look of its top buttons.
    button.ClearHover();
    QVERIFY(Shows(button, kPlayImages.normal));
  }

  void DisabledButtonIgnoresPressesAndHovering() {
    QWidget window;
    CRbButtonCtrl button(1013, &window);
    button.SetImages(kPlayImages);
    button.resize(32, 32);
    button.SetSkinEnabled(false);
    QSignalSpy clicks(&button, &QAbstractButton::clicked);
    QVERIFY(Shows(button, kPlayImages.disabled));
    Enter(button);
    QVERIFY(Shows(button, kPlayImages.disabled));
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(Shows(button, kPlayImages.disabled));
    QCOMPARE(clicks.count(), 0);

    button.SetSkinEnabled(true);
    QVERIFY(Shows(button, kPlayImages.normal));
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.count(), 1);
  }

  void SelectedButtonStaysSelectedAfterReleaseAndLeave() {
    QWidget window;
    CRbButtonCtrl button(1025, &window);
    const ButtonImages front = ChannelButtonImages(0, Channel::kFront);
    button.SetImages(front);
    button.resize(42, 32);
    button.SetSelected(true);
    QVERIFY(Shows(button, front.selected));
    Enter(button);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(Shows(button, front.selected));
    Leave(button);
    QVERIFY(Shows(button, front.selected));

    // A filter button with a hover image keeps its chosen look after the pointer leaves.
    CRbButtonCtrl filter(1021, &window);
    filter.SetImages(kFilterImages);
    filter.resize(18, 20);
    filter.SetSelected(true);
    Enter(filter);
    QVERIFY(Shows(filter, kFilterImages.hover));
    Leave(filter);
    QVERIFY(Shows(filter, kFilterImages.selected));
    filter.SetSelected(false);
    QVERIFY(Shows(filter, kFilterImages.normal));
  }

  void UnknownImageShowsOnlyTheBackground() {
    QWidget window;
    CRbButtonCtrl button(1020, &window);
    button.SetImages(4242, 0, 0, 0, 0);
    button.resize(32, 32);
    QImage background(32, 32, QImage::Format_RGB32);
    background.fill(kSkinBackground);
    QCOMPARE(Grab(button), background);
    // A slot without an image leaves the shown image alone on a press.
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(button.ShownImage(), 4242);
    QCOMPARE(Grab(button), background);
  }

  void TopBarBackgroundFollowsTheWindowLayout() {
    QWidget window;
    CRbButtonCtrl button(1000, &window);
    button.SetImages(4242, 0, 0, 0, 0);  // nothing drawn over the background
    button.resize(36, 36);
    button.SetTopBar(true);
    window.setProperty("layoutMode", 1);
    QImage top_bar = Grab(button);
    QCOMPARE(top_bar.pixelColor(34, 0), kTopBarBand);
    QCOMPARE(top_bar.pixelColor(34, 6), kTopBarBand);
    QCOMPARE(top_bar.pixelColor(34, 7), kSkinBackground);
    QCOMPARE(
        top_bar.copy(0, 0, 32, 8),
        LoadSkinImage(kTopButtonBackImage).convertToFormat(QImage::Format_RGB32).copy(0, 9, 32, 8));
    window.setProperty("layoutMode", 2);
    QCOMPARE(Grab(button).pixelColor(34, 0), kSkinBackground);
  }
};

}  // namespace
}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::RbButtonCtrlTest)
#include "rb_button_ctrl_test.moc"
