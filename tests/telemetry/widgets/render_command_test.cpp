// vantrel-cli render: the gauge and the graph written without a display are the pictures the
// window paints, and bad input ends with exit 1 and one line.
#include <QtTest>
#include <string>

#include "playback/stream_splitter.h"
#include "run_program.h"
#include "sim/recording_description.h"
#include "sim/recording_writer.h"
#include "telemetry/telemetry_loader.h"
#include "telemetry/widgets/rb_gsensor_ctrl.h"
#include "telemetry/widgets/rb_speed_ctrl.h"
#include "temp_dir.h"

namespace vantrel::ui {
namespace {

test::ProgramRun Render(const std::vector<std::string>& words) {
  std::vector<std::string> all = {"render"};
  all.insert(all.end(), words.begin(), words.end());
  return test::RunProgram(test::ToolPath("vantrel-cli"), all, test::ErrorOutput::kSeparate);
}

QImage Read(const std::string& path) {
  return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

int CountLines(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

class RenderCommandTest : public QObject {
  Q_OBJECT

 private slots:
  void GaugeIsThePaintedGauge() {
    const std::string out = folder_.File("gauge.png");
    for (const char* speed : {"12.3", "-3", "1234.5", "0"}) {
      const test::ProgramRun run = Render({"gauge", "--speed", speed, "--out", out});
      QCOMPARE(run.exit_code, 0);
      QCOMPARE(Read(out),
               PaintSpeedGauge({131, 43}, std::stod(speed)).convertToFormat(QImage::Format_RGB32));
    }
  }

  void GraphOfAnEventRecordingShowsItsJolt() {
    sim::RecordingDescription description;
    description.kind = "EVT";
    description.seconds = 4;
    description.fps = 10;
    description.front = {64, 36};
    description.audio = sim::AudioKind::kNone;
    description.shock_seconds = 2.0;
    const std::string recording = folder_.File("EVT_20140101_120000.avi");
    std::string error;
    QVERIFY2(sim::WriteRecording(description, recording, &error), error.c_str());

    const std::string out = folder_.File("graph.png");
    const test::ProgramRun run = Render({"gsensor", recording, "--size", "600x132", "--out", out});
    QCOMPARE(run.exit_code, 0);
    StreamSplitter splitter;
    QVERIFY(splitter.Load(recording));
    TelemetryStore store;
    QCOMPARE(LoadTelemetry(&splitter, store), TelemetryLoadResult::kComplete);
    const QImage graph = Read(out);
    QCOMPARE(graph, PaintGsensorGraph({600, 132}, store.gsensor_records())
                        .convertToFormat(QImage::Format_RGB32));
    // The knock, 2 g and more sideways, reaches the top half way along; at rest X stays low.
    int red_high = 0;
    for (int x = 0; x < 600; ++x) red_high += graph.pixel(x, 20) == qRgb(255, 0, 0);
    QVERIFY(red_high > 0);
  }

  void BadInputFailsWithOneLine() {
    const std::string out = folder_.File("never.png");
    for (const char* size : {"0x100", "100x0", "10001x5", "5x10001", "100", "ax5", "-5x5"}) {
      const test::ProgramRun run =
          Render({"gsensor", folder_.File("missing.avi"), "--size", size, "--out", out});
      QCOMPARE(run.exit_code, 1);
      QCOMPARE(CountLines(run.error), 1);
    }
    const std::string not_recording = folder_.File("text.avi");
    QVERIFY(QFile(QString::fromStdString(not_recording)).open(QIODevice::WriteOnly));
    for (const std::string& path : {folder_.File("missing.avi"), not_recording}) {
      const test::ProgramRun run = Render({"gsensor", path, "--size", "10x10", "--out", out});
      QCOMPARE(run.exit_code, 1);
      QCOMPARE(CountLines(run.error), 1);
    }
    QVERIFY(!QFile::exists(QString::fromStdString(out)));
    QCOMPARE(Render({"gauge", "--speed", "fast", "--out", out}).exit_code, 2);
    QCOMPARE(Render({"dial", "--out", out}).exit_code, 2);
  }

 private:
  test::TempDir folder_;
};

}  // namespace
}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::RenderCommandTest)
#include "render_command_test.moc"
