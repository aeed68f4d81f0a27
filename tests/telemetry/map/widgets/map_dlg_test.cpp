// The map pop-up: its layout, border resizing with the 300-pixel stops, moving, Escape, and the
// close button.
#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include "telemetry/map/widgets/map_dlg.h"
#include "telemetry/map/widgets/rb_map_panel_ctrl.h"
#include "ui/skin/rb_button_ctrl.h"
#include "ui/skin/rb_text_ctrl.h"

namespace vantrel::ui {
namespace {

void Send(QWidget& widget, QEvent::Type type, QPoint client, QPoint global,
          Qt::MouseButtons buttons) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(client), QPointF(client), QPointF(global), button, buttons,
                    Qt::NoModifier);
  QApplication::sendEvent(&widget, &event);
}

}  // namespace

class MapDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void startsAtItsPlaceWithItsLayout() {
    CMapDlg dialog(0, nullptr);
    QCOMPARE(dialog.geometry(), QRect(800, 100, 300, 300));
    QCOMPARE(dialog.minimumSize(), QSize(300, 300));
    dialog.show();
    dialog.resize(400, 500);
    QCOMPARE(dialog.close_button().geometry(), QRect(360, 5, 30, 24));
    QCOMPARE(dialog.host().geometry(), QRect(5, 35, 390, 435));
    QCOMPARE(dialog.position_panel().geometry(), QRect(5, 474, 300, 20));
    QCOMPARE(dialog.position_panel().panel_type(), 6);
    QCOMPARE(dialog.close_button().images().normal, 157);
    QCOMPARE(dialog.close_button().id(), kMapDlgCloseId);
  }

  void borderDragsStopThreeHundredPixelsFromTheOppositeEdge() {
    CMapDlg dialog(0, nullptr);
    dialog.setGeometry(100, 100, 500, 400);
    dialog.show();
    // Top-left corner dragged far down and right: the edges stop 300 px from the others.
    Send(dialog, QEvent::MouseButtonPress, {2, 2}, {102, 102}, Qt::LeftButton);
    Send(dialog, QEvent::MouseMove, {700, 700}, {800, 800}, Qt::LeftButton);
    Send(dialog, QEvent::MouseButtonRelease, {700, 700}, {800, 800}, Qt::NoButton);
    QCOMPARE(dialog.geometry(), QRect(300, 200, 300, 300));
    // Right edge dragged outward follows the pointer.
    Send(dialog, QEvent::MouseButtonPress, {298, 150}, {598, 350}, Qt::LeftButton);
    Send(dialog, QEvent::MouseMove, {450, 150}, {750, 350}, Qt::LeftButton);
    Send(dialog, QEvent::MouseButtonRelease, {450, 150}, {750, 350}, Qt::NoButton);
    QCOMPARE(dialog.geometry(), QRect(300, 200, 450, 300));
    // A move after the release changes nothing.
    Send(dialog, QEvent::MouseMove, {10, 10}, {310, 210}, Qt::NoButton);
    QCOMPARE(dialog.geometry(), QRect(300, 200, 450, 300));
  }

  void dragInsideMovesTheWindow() {
    CMapDlg dialog(0, nullptr);
    dialog.setGeometry(100, 100, 300, 300);
    dialog.show();
    Send(dialog, QEvent::MouseButtonPress, {50, 60}, {150, 160}, Qt::LeftButton);
    Send(dialog, QEvent::MouseMove, {80, 100}, {180, 200}, Qt::LeftButton);
    Send(dialog, QEvent::MouseButtonRelease, {80, 100}, {180, 200}, Qt::NoButton);
    QCOMPARE(dialog.pos(), QPoint(130, 140));
    QCOMPARE(dialog.size(), QSize(300, 300));
  }

  void escapeIsSwallowedAndTheCloseButtonAsksToDock() {
    CMapDlg dialog(0, nullptr);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    QSignalSpy close_requests(&dialog, &CMapDlg::closeRequested);
    dialog.close_button().click();
    QCOMPARE(close_requests.count(), 1);
  }

  void hostPanelKeepsItsChildFillingIt() {
    CRbMapPanelCtrl first(1006, nullptr);
    CRbMapPanelCtrl second(1201, nullptr);
    first.resize(279, 200);
    second.resize(290, 235);
    first.show();
    second.show();
    QWidget view;
    MoveMapViewTo(view, first);
    QCOMPARE(view.parentWidget(), &first);
    QCOMPARE(view.geometry(), QRect(0, 0, 279, 200));
    MoveMapViewTo(view, second);
    QCOMPARE(first.hosted_child(), nullptr);
    QCOMPARE(second.hosted_child(), &view);
    second.resize(400, 300);
    QCOMPARE(view.geometry(), QRect(0, 0, 400, 300));
    view.setParent(nullptr);
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::MapDlgTest)
#include "map_dlg_test.moc"
