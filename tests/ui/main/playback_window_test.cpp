// Playback in the main window: an opened row plays and the window's buttons, slider, read-outs
// and video surfaces follow it; the playlist runs on; the playback buttons, sliders and keys
// reach the recording; the zoom window and the messages of other windows.
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "playback/video_placement.h"
#include "playback/widgets/full_dialog.h"
#include "playback/widgets/zoom_dialog.h"
#include "playing_window.h"
#include "ui/main/control_ids.h"
#include "ui/main/window_playback_view.h"
#include "ui/skin/rb_button_ctrl.h"
#include "ui/skin/rb_slider_ctrl.h"
#include "ui/skin/rb_text_ctrl.h"
#include "ui/skin/skin_image_ids.h"

namespace vantrel::ui {
namespace {

constexpr int kWait = 20000;  // ms: generous, loaders and the engine run on their own threads

QString PanelText(CRecboxViewerDlg& window, int id) {
  return window.Panel(id)->PanelTexts().join(QLatin1Char('|'));
}

// Clicks a small slider where its track puts the wanted position (0..100).
void ClickSmallSlider(CRbSimpleSliderCtrl* slider, int position) {
  QTest::mouseClick(slider, Qt::LeftButton, {},
                    QPoint(CRbSimpleSliderCtrl::kTrackOffset + position, slider->height() / 2));
}

QRect PlaceRect(const SurfacePlace& place) {
  return QRect(place.x, place.y, place.width, place.height);
}

// Each shown surface stands where the controller's placement puts it for the window's video area.
void VerifySurfaces(CRecboxViewerDlg& window, int mode) {
  const Rect& area = window.current_layout().video_area;
  const SurfaceLayout expected = SurfacesFor(mode, {area.left, area.top, area.right, area.bottom});
  QCOMPARE(window.Surface(1)->isVisible(), expected.front_shown);
  QCOMPARE(window.Surface(2)->isVisible(), expected.rear_shown);
  if (expected.front_shown) QCOMPARE(window.Surface(1)->geometry(), PlaceRect(expected.front));
  if (expected.rear_shown) QCOMPARE(window.Surface(2)->geometry(), PlaceRect(expected.rear));
}

}  // namespace

class PlaybackWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void AnOpenedRowPlaysAndTheWindowFollowsIt() {
    PlayingWindow playing;
    CRecboxViewerDlg& window = playing.window();
    // Before anything plays: no surface covers the window's empty-screen picture.
    QVERIFY(window.Surface(1)->isHidden());
    QVERIFY(window.Button(button_id::kPlay)->isVisible());
    QVERIFY(!window.Button(button_id::kRewind)->skin_enabled());

    QVERIFY(playing.Drop({ShortRecording(2, 0, 3.0), ShortRecording(1, 1)}));
    QTRY_VERIFY_WITH_TIMEOUT(playing.Running(), kWait);
    QCOMPARE(playing.Label(), playing.names[0]);
    QCOMPARE(playing.list().MarkedRow(), 0);

    QVERIFY(window.Button(button_id::kPause)->isVisible());
    QVERIFY(!window.Button(button_id::kPlay)->isVisible());
    for (int id : {button_id::kPrev, button_id::kRewind, button_id::kFastForward, button_id::kNext,
                   button_id::kCapture}) {
      QVERIFY2(window.Button(id)->skin_enabled(), "recording commands look enabled");
    }
    QVERIFY(!window.Button(button_id::kSaveCopy)->skin_enabled());  // not a LyFS card
    QVERIFY(window.SeekSlider()->isEnabled());
    QVERIFY(window.playback_view().screen_saver_held());
    // A two-channel recording offers the channel buttons and starts in Front.
    QVERIFY(window.Button(button_id::kAllChannels)->isVisible());
    QVERIFY(window.Button(button_id::kFront)->selected());
    VerifySurfaces(window, kFrontMode);

    // The tick moves the seek slider and the read-outs along.
    playing.Advance(400);
    QTRY_VERIFY_WITH_TIMEOUT(window.SeekSlider()->value() > 300, kWait);
    QCOMPARE(window.SeekSlider()->maximum(), 3000);
    QTRY_VERIFY(PanelText(window, panel_id::kTimeReadout).contains(QStringLiteral("/  00:03")));
    QVERIFY(PanelText(window, panel_id::kTimeReadout).contains(QStringLiteral("1.00 x")));
    QVERIFY(!PanelText(window, panel_id::kGsensorReadout).contains(QStringLiteral("X:  -")));

    // Pause by its button: Play comes back, the slider stands still, the screen saver may run.
    window.Button(button_id::kPause)->click();
    QCOMPARE(playing.controller().State(), PlaybackState::kPaused);
    QVERIFY(window.Button(button_id::kPlay)->isVisible());
    QVERIFY(!window.playback_view().screen_saver_held());
    const int paused_at = window.SeekSlider()->value();
    QTest::qWait(100);
    QCOMPARE(window.SeekSlider()->value(), paused_at);

    // The seek slider seeks where it is pressed; letting go hands the keyboard to the list.
    QTest::mousePress(window.SeekSlider(), Qt::LeftButton, {},
                      QPoint(window.SeekSlider()->width() / 2, 9));
    QVERIFY(std::abs(playing.controller().graph()->PositionMs() - 1500) < 100);
    QTest::mouseRelease(window.SeekSlider(), Qt::LeftButton, {},
                        QPoint(window.SeekSlider()->width() / 2, 9));
    QCOMPARE(window.focusWidget(), &playing.list());
    // Another window's seek message lands as well.
    window.OnSeekMessage(400);
    QCOMPARE(playing.controller().graph()->PositionMs(), 400);
  }

  void ThePlaylistRunsOnAndStopsAfterTheLastRow() {
    PlayingWindow playing;
    CRecboxViewerDlg& window = playing.window();
    QVERIFY(playing.Drop(
        {ShortRecording(2, 0), ShortRecording(1, 1, 1.0, "EVT"), ShortRecording(2, 2)}));
    QTRY_VERIFY_WITH_TIMEOUT(playing.Running(), kWait);
    window.Button(button_id::kAllChannels)->click();
    VerifySurfaces(window, kAllMode);

    // The one-channel recording next: no channel buttons, and Front whatever was chosen.
    playing.Advance(1100);
    QTRY_VERIFY_WITH_TIMEOUT(playing.Label() == playing.names[1] && playing.Running(), kWait);
    QCOMPARE(playing.list().CurrentRow(), 1);
    QVERIFY(window.Button(button_id::kFront)->isHidden());
    QVERIFY(window.Button(button_id::kAllChannels)->isHidden());
    QVERIFY(window.Button(button_id::kFront)->selected());
    VerifySurfaces(window, kFrontMode);

    playing.Advance(1100);
    QTRY_VERIFY_WITH_TIMEOUT(playing.Label() == playing.names[2] && playing.Running(), kWait);
    QVERIFY(window.Button(button_id::kAllChannels)->isVisible());
    // After the last row: row 0 selected but not played, the screen empty, Play offered.
    playing.Advance(1100);
    QTRY_COMPARE_WITH_TIMEOUT(playing.controller().State(), PlaybackState::kStopped, kWait);
    QCOMPARE(playing.list().CurrentRow(), 0);
    QVERIFY(window.Surface(1)->isHidden());
    QVERIFY(window.Surface(2)->isHidden());
    QVERIFY(window.Button(button_id::kPlay)->isVisible());
    QVERIFY(!window.SeekSlider()->isEnabled());
    QCOMPARE(window.SeekSlider()->value(), 0);
    QVERIFY(!window.playback_view().screen_saver_held());
    QTest::qWait(100);
    QVERIFY(!playing.controller().Loading());

    // The list filters look for the recording last played in their new rows.
    window.OnCommand(button_id::kFilterNormal);
    QCOMPARE(playing.list().RowCount(), 2);
    QCOMPARE(playing.list().CurrentRow(), 1);
    QCOMPARE(playing.list().ColumnText(1, kNameColumn), playing.names[2]);
  }

  void PrevNextAndSkipsMoveThroughTheList() {
    // Long enough that nothing ends by itself while the test steps around.
    PlayingWindow playing;
    CRecboxViewerDlg& window = playing.window();
    QVERIFY(playing.Drop(
        {ShortRecording(1, 0, 4.0), ShortRecording(1, 1, 4.0), ShortRecording(1, 2, 4.0)}));
    QTRY_VERIFY_WITH_TIMEOUT(playing.Running(), kWait);

    // Prev on the first row does nothing.
    window.Button(button_id::kPrev)->click();
    QVERIFY(!playing.controller().Loading());
    QVERIFY(playing.Running());
    QCOMPARE(playing.list().MarkedRow(), 0);

    // Fast forward jumps past the end (a step is five seconds): the next tick opens row 1.
    window.Button(button_id::kFastForward)->click();
    QTRY_VERIFY_WITH_TIMEOUT(playing.Label() == playing.names[1] && playing.Running(), kWait);
    QCOMPARE(playing.list().CurrentRow(), 1);

    // Rewind inside the first step goes back to the start.
    playing.Advance(600);
    QTRY_VERIFY_WITH_TIMEOUT(playing.controller().graph()->PositionMs() > 500, kWait);
    window.Button(button_id::kRewind)->click();
    QVERIFY(playing.controller().graph()->PositionMs() < 300);
    QVERIFY(window.SeekSlider()->value() < 300);

    // Next by its key, then Next on the last row does nothing.
    QTest::keyClick(&playing.list(), Qt::Key_PageDown);
    QTRY_VERIFY_WITH_TIMEOUT(playing.Label() == playing.names[2] && playing.Running(), kWait);
    window.Button(button_id::kNext)->click();
    QVERIFY(!playing.controller().Loading());
    QCOMPARE(playing.list().MarkedRow(), 2);
    QVERIFY(playing.Running());

    // Prev goes back a row.
    window.Button(button_id::kPrev)->click();
    QTRY_VERIFY_WITH_TIMEOUT(playing.Label() == playing.names[1] && playing.Running(), kWait);
  }

  void SlidersMuteAndVolumeReachTheRecording() {
    PlayingWindow playing;
    CRecboxViewerDlg& window = playing.window();
    QVERIFY(playing.Drop({ShortRecording(2, 0, 4.0)}));
    QTRY_VERIFY_WITH_TIMEOUT(playing.Running(), kWait);
    GraphPlayer* player = playing.controller().graph()->player();

    // The read-out shows the slider's rate; the engine plays what it can.
    CRbSimpleSliderCtrl* speed = window.SmallSlider(kSpeedSliderId);
    ClickSmallSlider(speed, 100);
    QCOMPARE(speed->value(), 100);
    QVERIFY(PanelText(window, panel_id::kTimeReadout).contains(QStringLiteral("4.00 x")));
    QCOMPARE(player->rate(), 2.0f);
    ClickSmallSlider(speed, 0);
    QVERIFY(PanelText(window, panel_id::kTimeReadout).contains(QStringLiteral("0.10 x")));
    QCOMPARE(player->rate(), 0.5f);
    // The Speed button puts both back, the slider without reporting a move of its own.
    window.Button(button_id::kSpeed)->click();
    QCOMPARE(speed->value(), 50);
    QVERIFY(PanelText(window, panel_id::kTimeReadout).contains(QStringLiteral("1.00 x")));
    QCOMPARE(player->rate(), 1.0f);

    // Mute remembers the volume slider and gives it back.
    CRbSimpleSliderCtrl* volume = window.SmallSlider(kVolumeSliderId);
    ClickSmallSlider(volume, 70);
    QCOMPARE(playing.controller().volume_level(), 70);
    window.Button(button_id::kMute)->click();
    QVERIFY(playing.controller().muted());
    QCOMPARE(volume->value(), 0);
    QCOMPARE(window.Button(button_id::kMute)->images().normal, kMutedImages.normal);
    QTest::keyClick(&playing.list(), Qt::Key_M);
    QVERIFY(!playing.controller().muted());
    QCOMPARE(volume->value(), 70);
    QCOMPARE(window.Button(button_id::kMute)->images().normal, kMuteImages.normal);

    // Volume up at 99 changes nothing.
    ClickSmallSlider(volume, 99);
    QCOMPARE(playing.controller().volume_level(), 99);
    QTest::keyClick(&playing.list(), Qt::Key_Up);
    QCOMPARE(playing.controller().volume_level(), 99);
    QCOMPARE(volume->value(), 99);
    QTest::keyClick(&playing.list(), Qt::Key_Down);
    QCOMPARE(volume->value(), 98);

    // The map page's volume message un-mutes without moving the slider.
    window.Button(button_id::kMute)->click();
    window.OnSetVolumeMessage(3);
    QCOMPARE(window.Button(button_id::kMute)->images().normal, kMuteImages.normal);
    QCOMPARE(volume->value(), 0);
  }

  void SurfacesFollowTheChannelModeInBothLayouts() {
    PlayingWindow playing;
    CRecboxViewerDlg& window = playing.window();
    QVERIFY(playing.Drop({ShortRecording(2, 0, 4.0)}));
    QTRY_VERIFY_WITH_TIMEOUT(playing.Running(), kWait);
    window.Button(button_id::kPause)->click();

    const std::vector<std::pair<int, int>> modes = {{button_id::kRear, kRearMode},
                                                    {button_id::kAllChannels, kAllMode},
                                                    {button_id::kFront, kFrontMode}};
    for (int layout : {kFullLayout, kCompactLayout}) {
      if (window.layout_mode() != layout) QTest::keyClick(&playing.list(), Qt::Key_Escape);
      QCOMPARE(window.layout_mode(), layout);
      for (const auto& [button, mode] : modes) {
        window.Button(button)->click();
        QCOMPARE(playing.controller().channel_mode(), mode);
        QVERIFY(window.Button(button)->selected());
        VerifySurfaces(window, mode);
      }
      // A resize re-fits what is shown.
      window.Button(button_id::kAllChannels)->click();
      window.resize(1400, 900);
      VerifySurfaces(window, kAllMode);
      window.resize(1026, 770);
      VerifySurfaces(window, kAllMode);
    }

    // A right click on a surface opens the window's playback menu.
    QString title;
    QTimer::singleShot(100, [&title] {
      if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        title = menu->title();
        menu->close();
      }
    });
    emit window.Surface(2)->playbackMenuRequested(window.Surface(2)->mapToGlobal(QPoint(5, 5)));
    QVERIFY(!title.isEmpty());
  }

  void TheZoomButtonShowsAndHidesTheMagnifier() {
    PlayingWindow playing;
    CRecboxViewerDlg& window = playing.window();
    CZoomDlg* zoom = window.zoom_window();
    QVERIFY(zoom && window.full_window());
    QVERIFY(zoom->isHidden());
    QVERIFY(window.full_window()->isHidden());
    QCOMPARE(zoom->geometry().size(), QSize(425, 330));
    window.Button(button_id::kZoom)->click();
    QVERIFY(zoom->shown());
    QVERIFY(zoom->isVisible());
    window.Button(button_id::kZoom)->click();
    QVERIFY(!zoom->shown());
    QVERIFY(zoom->isHidden());
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::PlaybackWindowTest)
#include "playback_window_test.moc"
