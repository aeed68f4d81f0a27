// The main window's map block: popping the map out and docking it again in both layouts, a
// recording without GPS bringing the map home, and the picture a GPS recording gets where the
// web map cannot run.
#include <QTest>

#include "playing_window.h"
#include "telemetry/map/widgets/map_dlg.h"
#include "telemetry/map/widgets/map_picture_wnd.h"
#include "ui/main/control_ids.h"
#include "ui/skin/rb_button_ctrl.h"
#include "ui/skin/rb_text_ctrl.h"
#include "window_fixture.h"

namespace vantrel::ui {
namespace {

// The Map button and the map block's two labels, all shown or all hidden.
bool MapBlockLabelsShown(CRecboxViewerDlg& window, bool shown) {
  return window.Button(button_id::kMap)->isHidden() == !shown &&
         window.Panel(panel_id::kMapTitle)->isHidden() == !shown &&
         window.Panel(panel_id::kPositionReadout)->isHidden() == !shown;
}

}  // namespace

class MainWindowMapTest : public QObject {
  Q_OBJECT

 private slots:
  void mapButtonPopsOutAndCloseButtonDocksInLayoutOne() {
    WindowFixture fixture;
    CRecboxViewerDlg& window = *fixture.window;
    window.show();
    window.ShowMapBlock(MapBlockState::kMap);
    QVERIFY(MapBlockLabelsShown(window, true));

    window.OnCommand(button_id::kMap);
    QCOMPARE(window.map_placement(), MapPlacement::kPoppedOut);
    QVERIFY(window.map_window()->isVisible());
    QVERIFY(MapBlockLabelsShown(window, false));

    window.map_window()->close_button().click();
    QCOMPARE(window.map_placement(), MapPlacement::kDocked);
    QVERIFY(!window.map_window()->isVisible());
    QVERIFY(MapBlockLabelsShown(window, true));
  }

  void dockingInLayoutTwoKeepsTheLabelsHidden() {
    WindowFixture fixture;
    CRecboxViewerDlg& window = *fixture.window;
    window.show();
    window.ShowMapBlock(MapBlockState::kMap);
    window.OnCommand(button_id::kMap);
    window.OnCommand(button_id::kLayoutToggle);
    QCOMPARE(window.layout_mode(), kCompactLayout);
    window.map_window()->close_button().click();
    QCOMPARE(window.map_placement(), MapPlacement::kDocked);
    QVERIFY(MapBlockLabelsShown(window, false));
    window.OnCommand(button_id::kLayoutToggle);
    QVERIFY(MapBlockLabelsShown(window, true));
  }

  void aRecordingWithoutGpsDocksThePoppedOutMap() {
    WindowFixture fixture;
    CRecboxViewerDlg& window = *fixture.window;
    window.show();
    window.ShowMapBlock(MapBlockState::kMap);
    window.OnCommand(button_id::kMap);
    window.ShowMapBlock(MapBlockState::kNoData);
    QCOMPARE(window.map_placement(), MapPlacement::kDocked);
    QVERIFY(!window.map_window()->isVisible());
    QVERIFY(!window.PlacedWidget(Control::kMapNoData)->isHidden());
    QVERIFY(window.Button(button_id::kMap)->isHidden());
  }

  void aGpsRecordingPlaysWithTheNotConnectedPictureWithoutAWebMap() {
    PlayingWindow playing;
    QVERIFY(playing.window().map_view() == nullptr);
    const QStringList before = playing.window().map_window()->position_panel().PanelTexts();
    QVERIFY(playing.Drop({ShortRecording(1, 0, 3.0)}));
    QTRY_VERIFY_WITH_TIMEOUT(playing.Running(), 60000);
    CRecboxViewerDlg& window = playing.window();
    QVERIFY(!window.PlacedWidget(Control::kMapNotConnected)->isHidden());
    QVERIFY(window.PlacedWidget(Control::kMapPanel)->isHidden());
    QVERIFY(window.PlacedWidget(Control::kMapNoData)->isHidden());
    QVERIFY(window.Button(button_id::kMap)->isHidden());
    // The pop-up's copy of the position follows the tick.
    QTRY_VERIFY_WITH_TIMEOUT(window.map_window()->position_panel().PanelTexts() != before, 60000);
  }

  void picturesFollowTheLanguage() {
    WindowFixture fixture(kKorean);
    CRecboxViewerDlg& window = *fixture.window;
    auto* no_data = qobject_cast<CMapPictureWnd*>(window.PlacedWidget(Control::kMapNoData));
    QVERIFY(no_data);
    QCOMPARE(no_data->PictureId(), 148);
    window.ApplyLanguage(kGerman);
    QCOMPARE(no_data->PictureId(), 1119);
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::MainWindowMapTest)
#include "main_window_map_test.moc"
