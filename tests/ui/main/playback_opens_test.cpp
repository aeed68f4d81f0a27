// Opening recordings in the main window: a double click while another plays, a hundred opens in a
// row each before the one before has loaded, closing the window while playing, and the card of
// the recording being opened taken out.
#include <QTest>

#include "app/program_paths.h"
#include "playing_window.h"
#include "ui/main/control_ids.h"
#include "ui/main/window_playback_view.h"
#include "ui/skin/rb_button_ctrl.h"

namespace vantrel::ui {
namespace {

constexpr int kWait = 20000;

void DoubleClickRow(CRbListCtrl& list, int row) {
  const QPoint centre = list.visualItemRect(list.item(row, 0)).center();
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
}

}  // namespace

class PlaybackOpensTest : public QObject {
  Q_OBJECT

 private slots:
  void ADoubleClickStopsPlaybackAndOpensTheRowAfterTheDelay() {
    PlayingWindow playing;
    QVERIFY(playing.Drop({ShortRecording(1, 0, 4.0), ShortRecording(2, 1, 4.0)}));
    QTRY_VERIFY_WITH_TIMEOUT(playing.Running(), kWait);

    DoubleClickRow(playing.list(), 1);
    // Until the delay is over the first recording plays on.
    QTest::qWait(100);
    QVERIFY(playing.Running());
    QCOMPARE(playing.Label(), playing.names[0]);
    QTRY_VERIFY_WITH_TIMEOUT(playing.Label() == playing.names[1] && playing.Running(), kWait);
    QCOMPARE(playing.list().MarkedRow(), 1);

    // A double click while a recording loads is ignored.
    playing.controller().StartLoader(0);
    DoubleClickRow(playing.list(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(playing.Label() == playing.names[0] && playing.Running(), kWait);
    QTest::qWait(500);
    QCOMPARE(playing.Label(), playing.names[0]);
  }

  void AHundredOpensInARowEndWithTheLastOnePlaying() {
    // Each loader still settles when the next open comes, so every one but the last is given up.
    ControllerTimings delays = QuickDelays();
    delays.settle = std::chrono::milliseconds(30);
    delays.loader_grace = std::chrono::milliseconds(2);
    PlayingWindow playing(delays);
    QVERIFY(playing.Drop(
        {ShortRecording(2, 0, 4.0), ShortRecording(1, 1, 4.0), ShortRecording(2, 2, 4.0)}));
    QTRY_VERIFY_WITH_TIMEOUT(playing.Running(), kWait);

    for (int open = 0; open < 100; ++open) {
      playing.controller().StartLoader((open + 2) % 3);
      QCoreApplication::processEvents();
    }
    QTRY_VERIFY_WITH_TIMEOUT(!playing.controller().Loading(), kWait);
    QVERIFY(playing.Running());
    QCOMPARE(playing.Label(), playing.names[2]);
    QCOMPARE(playing.list().MarkedRow(), 2);
    CRecboxViewerDlg& window = playing.window();
    QVERIFY(window.Surface(1)->isVisible());
    QVERIFY(window.Button(button_id::kAllChannels)->isVisible());
    // Pictures of the last recording reach the front surface.
    QTRY_VERIFY_WITH_TIMEOUT(!window.Surface(1)->TakePicture().isNull(), kWait);
  }

  void ClosingWhilePlayingStopsEverythingOnceAndForAll() {
    PlayingWindow playing;
    QVERIFY(playing.Drop({ShortRecording(2, 0, 4.0)}));
    QTRY_VERIFY_WITH_TIMEOUT(playing.Running(), kWait);
    CRecboxViewerDlg& window = playing.window();

    window.Button(button_id::kClose)->click();
    QVERIFY(!window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QVERIFY(playing.controller().State() != PlaybackState::kRunning);
    QVERIFY(!window.playback_view().screen_saver_held());
    // Closing again, as the window's destruction does, is harmless.
    playing.controller().Shutdown();
    QVERIFY(playing.controller().State() != PlaybackState::kRunning);
    playing.fixture.window.reset();
  }

  void TheCardTakenOutWhileARecordingOpensIsNotPlayedFrom() {
    // A long settle keeps the loader busy while the card goes.
    ControllerTimings delays = QuickDelays();
    delays.settle = std::chrono::milliseconds(400);
    PlayingWindow playing(delays);
    // The recordings' folder lies on a volume of its own.
    platform::Volume volume;
    volume.root = playing.dir.path().string() + "/";
    playing.fixture.volumes.volumes = {volume};
    QVERIFY(playing.Drop({ShortRecording(1, 0, 4.0), ShortRecording(1, 1, 4.0)}));
    QCOMPARE(playing.window().source_loading().source_root(), volume.root);
    QVERIFY(playing.controller().Loading());

    playing.fixture.volumes.Remove(volume.root);
    QTRY_VERIFY_WITH_TIMEOUT(!playing.controller().Loading(), kWait);
    // What the loader opened was dropped rather than started.
    QVERIFY(playing.Label().empty());
    QCOMPARE(playing.list().RowCount(), 0);
    QVERIFY(playing.controller().State() != PlaybackState::kRunning);
    QVERIFY(playing.window().Surface(1)->isHidden());
    QVERIFY(playing.window().source_loading().source_root().empty());
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::PlaybackOpensTest)
#include "playback_opens_test.moc"
