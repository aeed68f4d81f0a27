// vantrel-cli map-probe: the viewer's map update sequence on the real page, headless.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "telemetry_recording.h"
#include "temp_dir.h"
#include "test_helpers.h"

namespace vantrel {
namespace {

constexpr char kSeoul[] = "GPRMC,235959.000,A,3730.5000,N,12700.0000,E,10.0,90.0,311212";
constexpr char kNoFix[] = "GPRMC,235959.000,V,3730.5000,N,12700.0000,E,10.0,90.0,311212";
constexpr char kSouthWest[] = "GPRMC,235959.000,A,3730.5000,S,12700.0000,W,10.0,90.0,311212";

class MapProbeCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Fixes stamped 1000 (valid), 2000 (not valid) and 3000 (valid).
    const auto packet = [](const char* sentence) { return std::string(sentence) + '\0'; };
    ASSERT_TRUE(test::WriteTelemetryRecording(
        recording_, {{10, packet(kSeoul)}, {10, packet(kNoFix)}, {10, packet(kSouthWest)}}));
    ASSERT_TRUE(test::WriteTelemetryRecording(silent_, {{10, std::string("M\x10\x20\x30", 4)}}));
  }

  test::TempDir folder_;
  std::string recording_ = folder_.File("REC_20121231_235959.avi");
  std::string silent_ = folder_.File("REC_20121231_235900.avi");
};

TEST_F(MapProbeCliTest, FirstUpdateBindsThenTheMarkerFollowsTheValidFixes) {
  const test::ProgramRun run =
      test::RunCli({"map-probe", recording_, "--at", "0", "--at", "0", "--at", "2500"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.output,
            "bound\t1\nmarker\t-37.508335\t-127.000000\nroute_points\t2\n"
            "calls\taddPoi_wgs84,setCenter_wgs84,removePoi,addPoi_wgs84,setCenter_wgs84\n");

  // One update only binds: the page holds nothing yet.
  EXPECT_EQ(test::RunCli({"map-probe", recording_, "--at", "0"}).output,
            "bound\t1\nmarker\tnone\nroute_points\t0\ncalls\t\n");
}

TEST_F(MapProbeCliTest, ARecordingWithoutGpsLeavesThePageUntouched) {
  EXPECT_EQ(test::RunCli({"map-probe", silent_, "--at", "0", "--at", "0"}).output,
            "bound\t0\nmarker\tnone\nroute_points\t0\ncalls\t\n");
}

TEST_F(MapProbeCliTest, APageThatCannotLoadOrABadCommandLineFails) {
  const test::ProgramRun run = test::RunProgram(
      test::ToolPath("vantrel-cli"), {"map-probe", recording_, "--at", "0"},
      test::ErrorOutput::kSeparate, {{"VANTREL_MAP_PAGE", "file:///nonexistent-vantrel-map/"}});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.output, "");
  // One line, and nothing of the engine's own chatter.
  EXPECT_EQ(run.error.rfind("vantrel-cli map-probe: the map page did not load: file:///", 0), 0u)
      << run.error;
  EXPECT_EQ(std::count(run.error.begin(), run.error.end(), '\n'), 1) << run.error;

  EXPECT_EQ(test::RunCli({"map-probe", recording_}).exit_code, 2);
  EXPECT_EQ(test::RunCli({"map-probe", recording_, "--at", "-5"}).exit_code, 2);
  EXPECT_EQ(test::RunCli({"map-probe", folder_.File("missing.avi"), "--at", "0"}).exit_code, 1);
}

}  // namespace
}  // namespace vantrel
