// The telemetry views in the playing window: the graph shows the recording that plays (and is
// redrawn when the next one's telemetry arrives), and the tick moves the speed gauge and the
// X/Y/Z read-out.
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "playing_window.h"
#include "telemetry/telemetry_store.h"
#include "telemetry/widgets/rb_gsensor_ctrl.h"
#include "telemetry/widgets/rb_speed_ctrl.h"
#include "ui/main/control_ids.h"
#include "ui/skin/rb_button_ctrl.h"
#include "ui/skin/rb_text_ctrl.h"

namespace vantrel::ui {
namespace {

constexpr int kWait = 20000;  // ms: loaders and the engine run on their own threads

QImage Shown(QWidget* widget) {
  return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage GraphOfTheStore(CRbGsensorCtrl* graph) {
  return PaintGsensorGraph(graph->size(), ProcessTelemetryStore().gsensor_records())
      .convertToFormat(QImage::Format_RGB32);
}

// Red (X) pixels in the upper quarter of the plot: only a knock of well over 1 g reaches there.
int HighX(const QImage& graph) {
  int count = 0;
  for (int y = 10; y < 10 + (graph.height() - 15) / 4; ++y) {
    for (int x = 20; x < graph.width(); ++x) count += graph.pixel(x, y) == qRgb(255, 0, 0);
  }
  return count;
}

}  // namespace

class TelemetryWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void TheGraphGaugeAndReadoutFollowThePlayingRecording() {
    PlayingWindow playing;
    CRecboxViewerDlg& window = playing.window();
    CRbGsensorCtrl* graph = window.GsensorGraph();
    CRbSpeedCtrl* gauge = window.SpeedGauge();
    QCOMPARE(graph->objectName(), QString("RbGsensorWnd"));
    QCOMPARE(gauge->objectName(), QString("RbSpeedWnd"));
    QCOMPARE(graph->size(), QSize(window.current_layout().video_area.Width(), 132));

    sim::RecordingDescription event = ShortRecording(1, 0, 3.0, "EVT");
    event.shock_seconds = 1.0;
    QVERIFY(playing.Drop({event, ShortRecording(1, 1, 3.0)}));
    QTRY_VERIFY_WITH_TIMEOUT(playing.Running(), kWait);
    QCOMPARE(playing.Label(), playing.names[0]);

    // The event recording's knock stands out in the graph.
    QVERIFY(!ProcessTelemetryStore().gsensor_records().empty());
    const QImage event_graph = Shown(graph);
    QCOMPARE(event_graph, GraphOfTheStore(graph));
    QVERIFY(HighX(event_graph) > 0);

    // The tick puts the speed on the gauge and the sample into the read-out.
    QTRY_VERIFY_WITH_TIMEOUT(gauge->speed() > 0, kWait);
    QCOMPARE(Shown(gauge),
             PaintSpeedGauge(gauge->size(), gauge->speed()).convertToFormat(QImage::Format_RGB32));
    QTRY_VERIFY_WITH_TIMEOUT(!window.Panel(panel_id::kGsensorReadout)
                                  ->PanelTexts()
                                  .join('|')
                                  .contains(QLatin1String("-")),
                             kWait);
    QVERIFY(window.Panel(panel_id::kGsensorReadout)->PanelTexts().join('|').startsWith("X:  0."));

    // The next recording's telemetry replaces the graph: no knock any more.
    window.Button(button_id::kNext)->click();
    QTRY_VERIFY_WITH_TIMEOUT(playing.Running() && playing.Label() == playing.names[1], kWait);
    QTRY_COMPARE_WITH_TIMEOUT(Shown(graph), GraphOfTheStore(graph), kWait);
    QCOMPARE(HighX(Shown(graph)), 0);

    // Stopping empties the samples and shows 0.0.
    playing.controller().StopPlayback(false);
    QCOMPARE(gauge->speed(), 0.0);
    QVERIFY(ProcessTelemetryStore().gsensor_records().empty());
  }

  void ARightClickOnTheGraphOpensThePlaybackMenuOfItsLanguage() {
    PlayingWindow playing;
    CRbGsensorCtrl* graph = playing.window().GsensorGraph();
    const auto title_of_menu = [graph] {
      QString title;
      QTimer::singleShot(100, [&title] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
          title = menu->title();
          menu->close();
        }
      });
      QTest::mouseClick(graph, Qt::RightButton, {}, QPoint(100, 50));
      return title;
    };
    QCOMPARE(title_of_menu(), QString("Playback"));
    playing.window().ApplyLanguage(3);
    QCOMPARE(graph->language_index(), 3);
    QCOMPARE(title_of_menu(), QString("再生"));
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::TelemetryWindowTest)
#include "telemetry_window_test.moc"
