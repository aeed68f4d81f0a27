// vantrel-cli telemetry, parse-gps and export, run as a separate process the way scripts run it,
// with the time zone pinned to UTC so fix times are plain numbers.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "telemetry_recording.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

constexpr char kNewYear[] = "GPRMC,235959.000,A,3730.5000,N,12700.0000,E,10.0,90.0,311212,,,A*6C";
constexpr char kSouthWest[] = "GPRMC,235959.000,A,3730.5000,S,12700.0000,W,10.0,90.0,311212";
constexpr char kNoFix[] = "GPRMC,235959.000,V,3730.5000,N,12700.0000,E,10.0,90.0,311212";
constexpr char kCutAfterLongitude[] = "GPRMC,235959.000,A,3730.5000,N,12700.0000";

struct CliRun {
  int exit_code = -1;
  std::string out;
};

std::string Quoted(const std::string& word) {
  std::string quoted = "'";
  for (const char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

CliRun RunCli(const std::vector<std::string>& words) {
  std::string command = "TZ=UTC " + Quoted(VANTREL_CLI_PATH);
  for (const std::string& word : words) command += " " + Quoted(word);
  CliRun run;
  std::FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 4096> chunk;
  size_t got = 0;
  while ((got = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
    run.out.append(chunk.data(), got);
  const int status = pclose(pipe);
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string Packet(const char* sentence) { return std::string(sentence) + '\0'; }

TEST(TelemetryCliTest, ParseGpsPrintsTheRecordAndWhetherTheSentenceWasComplete) {
  EXPECT_EQ(RunCli({"parse-gps", kNewYear, "--ts", "1234"}).out,
            "G\t1234\t1\t12\t12\t31\t32\t59\t59\t3730.500000\t12700.000000\t18.520000\t90.000000"
            "\t1357030799\ncomplete\t1\n");
  EXPECT_EQ(RunCli({"parse-gps", kSouthWest}).out,
            "G\t0\t1\t12\t12\t31\t32\t59\t59\t-3730.500000\t-12700.000000\t18.520000\t90.000000"
            "\t1357030799\ncomplete\t1\n");
  EXPECT_EQ(RunCli({"parse-gps", kNoFix}).out.substr(0, 6), "G\t0\t0\t");
  EXPECT_EQ(RunCli({"parse-gps", kCutAfterLongitude, "--ts", "7"}).out,
            "G\t7\t1\t0\t0\t0\t32\t59\t59\t3730.500000\t12700.000000\t0.000000\t0.000000\t0\n"
            "complete\t0\n");

  const CliRun no_text = RunCli({"parse-gps"});
  EXPECT_EQ(no_text.exit_code, 2);
  EXPECT_EQ(no_text.out, "");
  EXPECT_EQ(RunCli({"parse-gps", kNewYear, "--ts", "12x"}).exit_code, 2);
  EXPECT_EQ(RunCli({"parse-gps", kNewYear, "--ts", "4294967296"}).exit_code, 2);
  EXPECT_EQ(RunCli({"parse-gps", kNewYear, "--ts", "4294967295"}).exit_code, 0);
}

class TelemetryCliFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Stamps: 0 for the sample after the first frame, then 1000, 2000 and 3000.
    ASSERT_TRUE(test::WriteTelemetryRecording(recording_, {{1, std::string("M\xFF\x00\x7F", 4)},
                                                           {10, Packet(kNewYear)},
                                                           {10, Packet(kNoFix)},
                                                           {10, Packet(kSouthWest)},
                                                           {5, ""}}));
  }

  test::TempDir folder_;
  std::string recording_ = folder_.File("REC_20121231_235959.avi");
};

TEST_F(TelemetryCliFileTest, TelemetryListsTheGpsRecordsThenTheSamples) {
  const CliRun run = RunCli({"telemetry", recording_});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out,
            "G\t1000\t1\t12\t12\t31\t32\t59\t59\t3730.500000\t12700.000000\t18.520000\t90.000000"
            "\t1357030799\n"
            "G\t2000\t0\t12\t12\t31\t32\t59\t59\t3730.500000\t12700.000000\t18.520000\t90.000000"
            "\t1357030799\n"
            "G\t3000\t1\t12\t12\t31\t32\t59\t59\t-3730.500000\t-12700.000000\t18.520000\t90.000000"
            "\t1357030799\n"
            "M\t0\t256\t1\t128\n");
}

TEST_F(TelemetryCliFileTest, TelemetryAtLooksUpTheFirstRecordAtOrAfterTheTime) {
  EXPECT_EQ(RunCli({"telemetry", recording_, "--at", "0"}).out,
            "speed\t1\t18.520000\n"
            "position\t1\t37.508335\t127.000000\n"
            "gsensor\t1\t8.000000\t0.031250\t4.000000\n");
  // The status V fix at 2000 hides the valid one after it; the only sample lies behind.
  EXPECT_EQ(RunCli({"telemetry", recording_, "--at", "1001"}).out,
            "speed\t0\t0.000000\n"
            "position\t0\t0.000000\t0.000000\n"
            "gsensor\t0\t0.000000\t0.000000\t0.000000\n");
  EXPECT_EQ(RunCli({"telemetry", recording_, "--at", "2500"}).out,
            "speed\t1\t18.520000\n"
            "position\t1\t-37.508335\t-127.000000\n"
            "gsensor\t0\t0.000000\t0.000000\t0.000000\n");
  const std::string nothing =
      "speed\t0\t0.000000\n"
      "position\t0\t0.000000\t0.000000\n"
      "gsensor\t0\t0.000000\t0.000000\t0.000000\n";
  EXPECT_EQ(RunCli({"telemetry", recording_, "--at", "3001"}).out, nothing);
  EXPECT_EQ(RunCli({"telemetry", recording_, "--at", "-1"}).out, nothing);  // wraps to 2^32-1
  EXPECT_EQ(RunCli({"telemetry", recording_, "--at", "soon"}).exit_code, 2);
}

TEST_F(TelemetryCliFileTest, FilesThatAreNotRecordingsExitWithOne) {
  const std::string text = folder_.File("notes.avi");
  ASSERT_TRUE(test::WriteFile(text, "RIFF but not really an AVI file"));
  for (const std::string& path : {text, folder_.File("missing.avi"), folder_.path().string()}) {
    EXPECT_EQ(RunCli({"telemetry", path}).exit_code, 1) << path;
    EXPECT_EQ(RunCli({"export", path, "--gpx"}).exit_code, 1) << path;
    const CliRun csv = RunCli({"export", path, "--csv"});
    EXPECT_EQ(csv.exit_code, 1) << path;
    EXPECT_EQ(csv.out, "");
  }
  EXPECT_EQ(RunCli({"export", recording_}).exit_code, 2);
  EXPECT_EQ(RunCli({"export", recording_, "--gpx", "--csv"}).exit_code, 2);
}

}  // namespace
}  // namespace vantrel
