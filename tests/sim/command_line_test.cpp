// dashcam-sim as scripts use it: the recorder's own file name for a folder target, one path per
// line on output, and wrong words refused with exit code 2 before anything is written.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "run_program.h"
#include "sim_test_support.h"
#include "temp_dir.h"

namespace vantrel::sim {
namespace {

using vantrel::test::ProgramRun;

// dashcam-sim WORDS..., its messages collected with its output.
ProgramRun Sim(const std::vector<std::string>& words) {
  return vantrel::test::RunProgram(vantrel::test::ToolPath("dashcam-sim"), words,
                                   vantrel::test::ErrorOutput::kMerged);
}

TEST(DashcamSim, RecordingIntoAFolderTakesTheRecordersName) {
  vantrel::test::TempDir root;
  const std::string folder = root.File("card") + "/";
  const auto result =
      Sim({"recording",    folder,   "--kind",    "EVT",    "--start", "20150203_040506",
           "--channels",   "2",      "--seconds", "0.5",    "--fps",   "10",
           "--front",      "160x90", "--rear",    "128x72", "--audio", "aac",
           "--gps-status", "mixed",  "--south",   "--west", "--shock", "0.2",
           "--keyint",     "5",      "--bitrate", "200",    "--seed",  "9"});
  ASSERT_EQ(result.exit_code, 0) << result.output;
  const std::string path = folder + "EVT_20150203_040506_2.avi";
  EXPECT_EQ(result.output, path + "\n");
  EXPECT_TRUE(std::filesystem::is_regular_file(path));

  const auto cut = Sim({"recording", root.File("cut.avi"), "--interrupted"});
  ASSERT_EQ(cut.exit_code, 0) << cut.output;
  EXPECT_EQ(test::Le32(vantrel::test::ReadFile(root.File("cut.avi")), 4), 0u);
}

TEST(DashcamSim, RefusesWrongWordsWithoutWritingAnything) {
  vantrel::test::TempDir root;
  const std::string out = root.File("x.avi");
  for (const std::vector<std::string>& words :
       std::vector<std::vector<std::string>>{{"recording", out, "--fps", "abc"},
                                             {"recording", out, "--front", "321x180"},
                                             {"recording", out, "--front", "320"},
                                             {"recording", out, "--kind", "ABC"},
                                             {"recording", out, "--audio", "mp3"},
                                             {"recording", out, "--channels", "3"},
                                             {"recording", out, "--start", "20140101-120000"},
                                             {"recording", out, "--loud"},
                                             {"recording", out, "--seconds"},
                                             {"recording"},
                                             {"recording", out, out},
                                             {"card", out, "--rec", "-1"},
                                             {"card", out, "--audio", "loud"},
                                             {"card"},
                                             {"fly"}}) {
    const auto result = Sim(words);
    EXPECT_EQ(result.exit_code, 2) << ::testing::PrintToString(words) << "\n" << result.output;
    EXPECT_NE(result.output, "") << ::testing::PrintToString(words);
  }
  EXPECT_TRUE(std::filesystem::is_empty(root.path()));
}

TEST(DashcamSim, CardListsWhatItWrote) {
  vantrel::test::TempDir root;
  const auto result = Sim({"card",          root.path().string(),
                           "--rec",         "1",
                           "--evt",         "1",
                           "--prk",         "0",
                           "--mot",         "0",
                           "--mdi",         "1",
                           "--interrupted", "0",
                           "--seconds",     "0.5",
                           "--fps",         "10",
                           "--front",       "160x90"});
  ASSERT_EQ(result.exit_code, 0) << result.output;
  EXPECT_EQ(result.output,
            "QX_RECBOX/MP4_INFINITE/REC_20140101_120000_1.avi\n"
            "QX_RECBOX/MP4_EVENT/EVT_20140101_120001_2.avi\n"
            "QX_RECBOX/MP4_PARKING/MDI_20140101_120002_1.avi\n");
  EXPECT_TRUE(std::filesystem::is_regular_file(root.path() / "QX_RECBOX/MP4_PARKING" /
                                               "MDI_20140101_120002_1.avi"));
}

TEST(DashcamSim, HelpDescribesEveryOption) {
  const auto result = Sim({"--help"});
  EXPECT_EQ(result.exit_code, 0);
  for (const char* option : {"recording",     "card",           "--kind",
                             "--start",       "--channels",     "--seconds",
                             "--fps",         "--front",        "--rear",
                             "--audio",       "--keyint",       "--bitrate",
                             "--gps-rate",    "--gsensor-rate", "--shock",
                             "--gps-status",  "--south",        "--west",
                             "--interrupted", "--seed",         "--preset",
                             "--rec",         "--evt",          "--prk",
                             "--mot",         "--mdi",          "--two-channel-every"}) {
    EXPECT_NE(result.output.find(option), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace vantrel::sim
