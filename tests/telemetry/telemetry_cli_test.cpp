// vantrel-cli telemetry, parse-gps and export, run as a separate process the way scripts run it.
#include <gtest/gtest.h>

#include <string>

#include "telemetry_recording.h"
#include "temp_dir.h"
#include "test_helpers.h"

namespace vantrel {
namespace {

using test::RunCli;

constexpr char kNewYear[] = "GPRMC,235959.000,A,3730.5000,N,12700.0000,E,10.0,90.0,311212,,,A*6C";
constexpr char kSouthWest[] = "GPRMC,235959.000,A,3730.5000,S,12700.0000,W,10.0,90.0,311212";
constexpr char kNoFix[] = "GPRMC,235959.000,V,3730.5000,N,12700.0000,E,10.0,90.0,311212";
constexpr char kNothingFound[] =
    "speed\t0\t0.000000\nposition\t0\t0.000000\t0.000000\ngsensor\t0\t0.000000\t0.000000\t0."
    "000000\n";

TEST(TelemetryCliTest, ParseGpsPrintsTheRecordAndWhetherTheSentenceWasComplete) {
  EXPECT_EQ(RunCli({"parse-gps", kNewYear, "--ts", "1234"}).output,
            "G\t1234\t1\t12\t12\t31\t32\t59\t59\t3730.500000\t12700.000000\t18.520000\t90.000000"
            "\t1357030799\ncomplete\t1\n");
  EXPECT_EQ(RunCli({"parse-gps", kSouthWest}).output.substr(0, 50),
            "G\t0\t1\t12\t12\t31\t32\t59\t59\t-3730.500000\t-12700.000000");
  EXPECT_EQ(RunCli({"parse-gps", kNoFix}).output.substr(0, 6), "G\t0\t0\t");
  EXPECT_EQ(RunCli({"parse-gps", "GPRMC,235959.000,A,3730.5000,N,12700.0000", "--ts", "7"}).output,
            "G\t7\t1\t0\t0\t0\t32\t59\t59\t3730.500000\t12700.000000\t0.000000\t0.000000\t0\n"
            "complete\t0\n");

  EXPECT_EQ(RunCli({"parse-gps"}).exit_code, 2);
  EXPECT_EQ(RunCli({"parse-gps", kNewYear, "--ts", "12x"}).exit_code, 2);
  EXPECT_EQ(RunCli({"parse-gps", kNewYear, "--ts", "4294967296"}).exit_code, 2);
}

class TelemetryCliFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Stamps: 0 for the sample after the first frame, then 1000, 2000 and 3000.
    const auto packet = [](const char* sentence) { return std::string(sentence) + '\0'; };
    ASSERT_TRUE(test::WriteTelemetryRecording(recording_, {{1, std::string("M\xFF\x00\x7F", 4)},
                                                           {10, packet(kNewYear)},
                                                           {10, packet(kNoFix)},
                                                           {10, packet(kSouthWest)},
                                                           {5, ""}}));
  }

  test::TempDir folder_;
  std::string recording_ = folder_.File("REC_20121231_235959.avi");
};

TEST_F(TelemetryCliFileTest, TelemetryListsTheGpsRecordsThenTheSamples) {
  const test::ProgramRun run = RunCli({"telemetry", recording_});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.output,
            "G\t1000\t1\t12\t12\t31\t32\t59\t59\t3730.500000\t12700.000000\t18.520000\t90.000000"
            "\t1357030799\n"
            "G\t2000\t0\t12\t12\t31\t32\t59\t59\t3730.500000\t12700.000000\t18.520000\t90.000000"
            "\t1357030799\n"
            "G\t3000\t1\t12\t12\t31\t32\t59\t59\t-3730.500000\t-12700.000000\t18.520000\t90.000000"
            "\t1357030799\n"
            "M\t0\t256\t1\t128\n");
}

TEST_F(TelemetryCliFileTest, TelemetryAtLooksUpTheFirstRecordAtOrAfterTheTime) {
  EXPECT_EQ(RunCli({"telemetry", recording_, "--at", "0"}).output,
            "speed\t1\t18.520000\nposition\t1\t37.508335\t127.000000\n"
            "gsensor\t1\t8.000000\t0.031250\t4.000000\n");
  // The status V fix at 2000 hides the valid one after it; the only sample lies behind.
  EXPECT_EQ(RunCli({"telemetry", recording_, "--at", "1001"}).output, kNothingFound);
  EXPECT_EQ(RunCli({"telemetry", recording_, "--at", "2500"}).output,
            "speed\t1\t18.520000\nposition\t1\t-37.508335\t-127.000000\n"
            "gsensor\t0\t0.000000\t0.000000\t0.000000\n");
  EXPECT_EQ(RunCli({"telemetry", recording_, "--at", "3001"}).output, kNothingFound);
  EXPECT_EQ(RunCli({"telemetry", recording_, "--at", "-1"}).output, kNothingFound);  // 2^32-1
  EXPECT_EQ(RunCli({"telemetry", recording_, "--at", "soon"}).exit_code, 2);
}

TEST_F(TelemetryCliFileTest, FilesThatAreNotRecordingsExitWithOne) {
  const std::string text = folder_.File("notes.avi");
  ASSERT_TRUE(test::WriteFile(text, "RIFF but not really an AVI file"));
  for (const std::string& path : {text, folder_.File("missing.avi"), folder_.path().string()}) {
    EXPECT_EQ(RunCli({"telemetry", path}).exit_code, 1) << path;
    const test::ProgramRun gpx = RunCli({"export", path, "--gpx"});
    EXPECT_EQ(gpx.exit_code, 1) << path;
    EXPECT_EQ(gpx.output, "");
  }
  EXPECT_EQ(RunCli({"export", recording_}).exit_code, 2);
  EXPECT_EQ(RunCli({"export", recording_, "--gpx", "--csv"}).exit_code, 2);
}

}  // namespace
}  // namespace vantrel
