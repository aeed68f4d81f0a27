// Telemetry of recordings from the recorder simulator, read through the real splitter: what the
// viewer loads, and what the export command makes of it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "playback/stream_splitter.h"
#include "sim/recording_description.h"
#include "sim/recording_writer.h"
#include "telemetry/telemetry_export.h"
#include "telemetry/telemetry_loader.h"
#include "temp_dir.h"
#include "test_helpers.h"

namespace vantrel {
namespace {

class SimulatedRecordingTest : public ::testing::Test {
 protected:
  // Four seconds at 10 frames a second: fixes at 0-3 s, samples every 100 ms up to 3.9 s.
  void Load(bool south_west = false, sim::GpsStatusMode status = sim::GpsStatusMode::kValid) {
    setenv("TZ", "UTC", 1);
    tzset();
    sim::RecordingDescription description;
    description.seconds = 4;
    description.fps = 10;
    description.front = {64, 36};
    description.audio = sim::AudioKind::kNone;
    description.south = description.west = south_west;
    description.gps_status = status;
    std::string error;
    ASSERT_TRUE(sim::WriteRecording(description, path_, &error)) << error;
    StreamSplitter splitter;
    ASSERT_TRUE(splitter.Load(path_));
    ASSERT_EQ(LoadTelemetry(&splitter, store_), TelemetryLoadResult::kComplete);
    ASSERT_EQ(store_.gps_records().size(), 4u);
    ASSERT_EQ(store_.gsensor_records().size(), 40u);
  }

  test::TempDir folder_;
  std::string path_ = folder_.File("REC_20140101_120000.avi");
  TelemetryStore store_;
};

TEST_F(SimulatedRecordingTest, FixesAndSamplesArriveInOrderWithFrameTimeStamps) {
  Load();
  const auto& fixes = store_.gps_records();
  // The recorder's clock said 2014-01-01 12:00:00 (UTC+9); the GPS wrote 03:00:00 UTC.
  EXPECT_EQ(fixes[0].hour, 12);
  EXPECT_EQ(fixes[0].day, 1);
  EXPECT_EQ(fixes[0].year, 14);
  for (size_t i = 0; i < fixes.size(); ++i) {
    EXPECT_EQ(fixes[i].fix_time, 1388577600 + static_cast<int64_t>(i)) << i;
    // Stamped with the last frame before the packet: at most one frame (100 ms) early.
    EXPECT_LE(fixes[i].time_stamp, i * 1000) << i;
    EXPECT_GE(fixes[i].time_stamp + 100, i * 1000) << i;
    const PositionReading position = store_.PositionAt(fixes[i].time_stamp);
    ASSERT_TRUE(position.found);
    EXPECT_NEAR(position.latitude, 37.5, 0.5);  // near Seoul
    EXPECT_NEAR(position.longitude, 127.0, 0.5);
  }
  const auto& samples = store_.gsensor_records();
  for (size_t i = 1; i < samples.size(); ++i) {
    EXPECT_GE(samples[i].time_stamp, samples[i - 1].time_stamp);
    EXPECT_EQ(samples[i].time_stamp % 100, 0u);
  }
  EXPECT_FALSE(store_.GsensorAt(samples[samples.size() - 1].time_stamp + 1).found);
}

TEST_F(SimulatedRecordingTest, SouthernWesternAndFixlessDrivesReadAsSuch) {
  Load(true);
  const PositionReading position = store_.PositionAt(0);
  ASSERT_TRUE(position.found);
  EXPECT_NEAR(position.latitude, -37.5, 0.5);
  EXPECT_NEAR(position.longitude, -127.0, 0.5);

  Load(false, sim::GpsStatusMode::kInvalid);
  for (const GpsRecord& fix : store_.gps_records()) {
    EXPECT_EQ(fix.valid, 0u);
    EXPECT_NE(fix.fix_time, 0);  // the date and time still came
  }
  EXPECT_FALSE(store_.SpeedAt(0).found);
  EXPECT_TRUE(test::ReadTrack(TelemetryGpx(store_)).empty());
}

TEST_F(SimulatedRecordingTest, ExportCommandWritesTheTrackAndEveryRecord) {
  Load();
  const test::ProgramRun gpx = test::RunCli({"export", path_, "--gpx"});
  EXPECT_EQ(gpx.exit_code, 0);
  const std::vector<test::TrackPoint> points = test::ReadTrack(gpx.output);
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points[0].time, "2014-01-01T03:00:00Z");
  EXPECT_EQ(points[3].time, "2014-01-01T03:00:03Z");
  EXPECT_EQ(test::RunCli({"export", path_, "--csv"}).output, TelemetryCsv(store_));
}

}  // namespace
}  // namespace vantrel
