// Telemetry of recordings from the recorder simulator, read through the real splitter: what the
// viewer loads, and what the export command makes of it.
#include <gtest/gtest.h>
#include <QString>
#include <QXmlStreamReader>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "playback/stream_splitter.h"
#include "sim/recording_description.h"
#include "sim/recording_writer.h"
#include "telemetry/telemetry_export.h"
#include "telemetry/telemetry_loader.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

// Four seconds at 10 frames a second: fixes at 0-3 s, samples every 100 ms up to 3.9 s.
sim::RecordingDescription SmallRecording() {
  sim::RecordingDescription description;
  description.seconds = 4;
  description.fps = 10;
  description.front = {64, 36};
  description.audio = sim::AudioKind::kNone;
  return description;
}

class SimulatedRecordingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("TZ", "UTC", 1);
    tzset();
  }

  // Writes the recording and loads its telemetry into store_ through the splitter.
  void Load(const sim::RecordingDescription& description) {
    std::string error;
    ASSERT_TRUE(sim::WriteRecording(description, path_, &error)) << error;
    StreamSplitter splitter;
    ASSERT_TRUE(splitter.Load(path_));
    ASSERT_EQ(LoadTelemetry(&splitter, store_), TelemetryLoadResult::kComplete);
  }

  test::TempDir folder_;
  std::string path_ = folder_.File("REC_20140101_120000.avi");
  TelemetryStore store_;
};

TEST_F(SimulatedRecordingTest, FixesAndSamplesArriveInOrderWithFrameTimeStamps) {
  Load(SmallRecording());
  const auto& fixes = store_.gps_records();
  const auto& samples = store_.gsensor_records();
  ASSERT_GE(fixes.size(), 3u);
  ASSERT_LE(fixes.size(), 5u);
  EXPECT_GE(samples.size(), 39u);
  EXPECT_LE(samples.size(), 41u);

  // The recorder's clock said 2014-01-01 12:00:00 (UTC+9); the GPS wrote 03:00:00 UTC.
  EXPECT_EQ(fixes[0].year, 14);
  EXPECT_EQ(fixes[0].month, 1);
  EXPECT_EQ(fixes[0].day, 1);
  EXPECT_EQ(fixes[0].hour, 12);
  EXPECT_EQ(fixes[0].minute, 0);
  EXPECT_EQ(fixes[0].second, 0);
  for (size_t i = 0; i < fixes.size(); ++i) {
    const GpsRecord& fix = fixes[i];
    EXPECT_EQ(fix.valid, 1u);
    EXPECT_EQ(fix.fix_time, 1388577600 + static_cast<int64_t>(i)) << i;  // complete, a second apart
    // Stamped with the last frame before the packet: at most one frame (100 ms) early.
    EXPECT_LE(fix.time_stamp, i * 1000) << i;
    EXPECT_GE(fix.time_stamp + 100, i * 1000) << i;
    const PositionReading position = store_.PositionAt(fix.time_stamp);
    ASSERT_TRUE(position.found);
    EXPECT_NEAR(position.latitude, 37.5, 0.5);  // near Seoul
    EXPECT_NEAR(position.longitude, 127.0, 0.5);
    EXPECT_GE(fix.speed, 0.0);
    EXPECT_LT(fix.speed, 200.0);
  }
  for (size_t i = 1; i < samples.size(); ++i) {
    EXPECT_GE(samples[i].time_stamp, samples[i - 1].time_stamp);
    EXPECT_EQ(samples[i].time_stamp % 100, 0u);
  }
  for (const GsensorRecord& sample : samples) {
    for (const int32_t axis : {sample.x, sample.y, sample.z}) {
      EXPECT_GE(axis, 1);
      EXPECT_LE(axis, 256);
    }
  }
  EXPECT_TRUE(store_.GsensorAt(samples[samples.size() - 1].time_stamp).found);
  EXPECT_FALSE(store_.GsensorAt(samples[samples.size() - 1].time_stamp + 1).found);
}

TEST_F(SimulatedRecordingTest, SouthernWesternAndFixlessDrivesReadAsSuch) {
  sim::RecordingDescription south_west = SmallRecording();
  south_west.south = true;
  south_west.west = true;
  Load(south_west);
  ASSERT_FALSE(store_.gps_records().empty());
  const PositionReading position = store_.PositionAt(0);
  ASSERT_TRUE(position.found);
  EXPECT_NEAR(position.latitude, -37.5, 0.5);
  EXPECT_NEAR(position.longitude, -127.0, 0.5);

  sim::RecordingDescription no_fix = SmallRecording();
  no_fix.gps_status = sim::GpsStatusMode::kInvalid;
  Load(no_fix);
  ASSERT_FALSE(store_.gps_records().empty());
  for (const GpsRecord& fix : store_.gps_records()) {
    EXPECT_EQ(fix.valid, 0u);
    EXPECT_NE(fix.fix_time, 0);  // the date and time still came
  }
  EXPECT_FALSE(store_.SpeedAt(0).found);
  EXPECT_FALSE(store_.PositionAt(0).found);
  EXPECT_EQ(TelemetryGpx(store_).find("<trkpt"), std::string::npos);
}

TEST_F(SimulatedRecordingTest, ExportCommandWritesTheTrackAndEveryRecord) {
  Load(SmallRecording());
  const auto command = [this](const char* format) {
    std::string out;
    std::FILE* pipe = popen(
        ("TZ=UTC '" + std::string(VANTREL_CLI_PATH) + "' export '" + path_ + "' " + format).c_str(),
        "r");
    char chunk[4096];
    size_t got = 0;
    while (pipe != nullptr && (got = std::fread(chunk, 1, sizeof(chunk), pipe)) > 0) {
      out.append(chunk, got);
    }
    EXPECT_EQ(pipe != nullptr ? pclose(pipe) : -1, 0);
    return out;
  };

  const std::string gpx = command("--gpx");
  QXmlStreamReader reader(QString::fromStdString(gpx));
  size_t points = 0;
  std::string first_time;
  while (reader.readNext() != QXmlStreamReader::EndDocument && !reader.hasError()) {
    if (reader.isStartElement() && reader.name() == QStringLiteral("trkpt")) ++points;
    if (reader.isStartElement() && reader.name() == QStringLiteral("time") && first_time.empty()) {
      first_time = reader.readElementText().toStdString();
    }
  }
  EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
  EXPECT_EQ(points, store_.gps_records().size());
  EXPECT_EQ(first_time, "2014-01-01T03:00:00Z");

  const std::string csv = command("--csv");
  size_t lines = 0;
  for (const char c : csv) lines += c == '\n' ? 1 : 0;
  EXPECT_EQ(lines, 1 + store_.gps_records().size() + store_.gsensor_records().size());
  EXPECT_EQ(csv, TelemetryCsv(store_));
}

}  // namespace
}  // namespace vantrel
