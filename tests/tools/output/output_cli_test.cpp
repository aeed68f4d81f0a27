// vantrel-cli snapshot and report as a user's script runs them: the files and lines they write,
// the report's text as pdftotext reads it, and the exit codes of what they cannot do.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "jpeg_frame.h"
#include "run_program.h"
#include "sim/recording_description.h"
#include "sim/recording_writer.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

using test::ErrorOutput;
using test::RunProgram;

sim::RecordingDescription Recording(int channels, bool gps_fix = true) {
  sim::RecordingDescription description;
  description.channels = channels;
  description.seconds = 3.0;
  description.fps = 10;
  description.front = {320, 180};
  description.rear = {192, 108};
  description.keyint = 5;
  description.audio = sim::AudioKind::kNone;
  // Without a valid fix the receiver gives no position.
  description.gps_status = gps_fix ? sim::GpsStatusMode::kValid : sim::GpsStatusMode::kInvalid;
  return description;
}

class OutputCli : public ::testing::Test {
 protected:
  std::string Write(const sim::RecordingDescription& description, const std::string& name) {
    const std::string path = dir_.File(name);
    EXPECT_TRUE(sim::WriteRecording(description, path));
    return path;
  }
  test::ProgramRun Cli(const std::vector<std::string>& words) {
    return RunProgram(cli_, words, ErrorOutput::kSeparate);
  }
  // The report's text, or empty when it cannot be made.
  std::string ReportText(const std::string& recording, const std::string& model = "4") {
    const std::string pdf = dir_.File("report.pdf");
    const auto run = Cli({"report", recording, "--at", "1500", "--model", model, "--language", "0",
                          "--pdf", pdf, "--now", "2026-12-07 05:30:00"});
    EXPECT_EQ(run.exit_code, 0) << run.error;
    return RunProgram("pdftotext", {"-layout", pdf, "-"}).output;
  }

  test::TempDir dir_;
  const std::string cli_ = test::ToolPath("vantrel-cli");
};

TEST_F(OutputCli, SnapshotWritesAndPrintsEachChannelsFile) {
  const std::string recording = Write(Recording(2), "REC_20140101_120000_2.avi");
  const auto run = Cli({"snapshot", recording, "--at", "1300", "--folder", dir_.path().string(),
                        "--now", "2014-03-05 09:07:02.045"});
  ASSERT_EQ(run.exit_code, 0) << run.error;
  const std::string front = dir_.File("REC_20140101_120000_2-2014-03-05-09h07m02s045(Track1).jpg");
  const std::string rear = dir_.File("REC_20140101_120000_2-2014-03-05-09h07m02s045(Track2).jpg");
  EXPECT_EQ(run.output, front + "\n" + rear + "\n");
  const auto picture = test::ReadJpegFrame(rear);
  ASSERT_TRUE(picture && picture->mark);
  EXPECT_EQ(picture->width, 192);
  EXPECT_EQ(picture->mark->channel, 2);
  EXPECT_EQ(picture->mark->frame, 13);

  // Without --now the clock is read: a name of the same shape.
  const auto clocked = Cli({"snapshot", recording, "--at", "0", "--folder", dir_.path().string()});
  ASSERT_EQ(clocked.exit_code, 0);
  EXPECT_TRUE(std::regex_search(
      clocked.output, std::regex("_2-\\d{4}-\\d\\d-\\d\\d-\\d\\dh\\d\\dm\\d\\ds\\d{3}\\(Track1\\)"
                                 "\\.jpg\\n")));
}

TEST_F(OutputCli, SnapshotAndReportFailOnOneLineForWhatTheyCannotDo) {
  const std::string bogus = dir_.File("bogus.avi");
  ASSERT_TRUE(test::WriteFile(bogus, "RIFF not really"));
  const std::string good = Write(Recording(1), "REC_20140101_120000_1.avi");
  const std::vector<std::vector<std::string>> failing = {
      {"snapshot", bogus, "--at", "0", "--folder", dir_.path().string()},
      {"snapshot", good, "--at", "0", "--folder", dir_.File("missing")},
      {"report", bogus, "--at", "0", "--model", "4", "--language", "0", "--pdf",
       dir_.File("r.pdf")},
      {"report", good, "--at", "0", "--model", "4", "--language", "0", "--pdf",
       dir_.File("missing/r.pdf")},
  };
  for (const auto& words : failing) {
    const auto run = Cli(words);
    EXPECT_EQ(run.exit_code, 1) << words[0] << " " << words.back();
    EXPECT_EQ(std::count(run.error.begin(), run.error.end(), '\n'), 1) << run.error;
    EXPECT_EQ(run.output, "");
  }
  EXPECT_EQ(
      Cli({"snapshot", good, "--at", "0", "--folder", dir_.path().string(), "--now", "yesterday"})
          .exit_code,
      2);
}

TEST_F(OutputCli, ReportShowsTheModelsTitlesPagesAndValues) {
  const std::string text = ReportText(Write(Recording(2), "REC_20140101_120000_2.avi"));
  for (const char* expected : {"KT520A(Merida) Viewer", "KT520A(Merida) Report", "Page 1 of 2",
                               "Page 2 of 2", "2026-12-07 05:30:00", "Rear camera"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  }
  EXPECT_TRUE(std::regex_search(text, std::regex("Latitude : -?[1-9]\\d*\\.\\d{8}\\b"))) << text;
  EXPECT_TRUE(std::regex_search(text, std::regex("Longitude : -?[1-9]\\d*\\.\\d{8}\\b"))) << text;
  EXPECT_TRUE(std::regex_search(
      text, std::regex("G-sensor values : X = -?\\d+\\.\\d{8}, Y = -?\\d+\\.\\d{8}, "
                       "Z = -?\\d+\\.\\d{8}")))
      << text;
  const size_t page_break = text.find('\f');
  ASSERT_NE(page_break, std::string::npos);
  EXPECT_LT(text.find("Page 1 of 2"), page_break);
  EXPECT_GT(text.find("Latitude"), page_break);
}

TEST_F(OutputCli, OneChannelHasNoRearCameraAndNoGpsReadsZero) {
  const std::string text = ReportText(Write(Recording(1, false), "REC_20140101_120000_1.avi"), "0");
  EXPECT_NE(text.find("KT410A Report"), std::string::npos) << text;
  EXPECT_EQ(text.find("Rear camera"), std::string::npos) << text;
  EXPECT_NE(text.find("Latitude : 0.00000000"), std::string::npos) << text;
  EXPECT_NE(text.find("Longitude : 0.00000000"), std::string::npos) << text;
}

}  // namespace
}  // namespace vantrel
