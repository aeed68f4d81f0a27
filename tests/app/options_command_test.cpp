// Runs the built vantrel-cli, which sits beside the test executable, as a user's script would.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "run_program.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

using test::ProgramRun;

class OptionsCommandTest : public ::testing::Test {
 protected:
  // Runs "vantrel-cli options WORDS..." with its home and XDG folders inside the test folder.
  ProgramRun Run(std::vector<std::string> words) {
    words.insert(words.begin(), "options");
    return test::RunProgram(test::ToolPath("vantrel-cli"), words, test::ErrorOutput::kSeparate,
                            {{"HOME", home()}, {"XDG_CONFIG_HOME", home() + "/.config"}});
  }
  std::string home() const { return dir_.File("home"); }
  std::string File(const std::string& name) const { return dir_.File(name); }

  test::TempDir dir_;
};

TEST_F(OptionsCommandTest, ReadPrintsTheSixValuesOrSaysWhyTheFileWasNotRead) {
  ASSERT_TRUE(test::WriteFile(File("option.ini"),
                              "[OPTION]\r\nMODEL=4\r\nSAVE_DIRECTORY=/x y\r\nREAR_MIRROR=1z\r\n"));
  ProgramRun outcome = Run({"read", File("option.ini")});
  EXPECT_EQ(outcome.exit_code, 0);
  EXPECT_EQ(outcome.output,
            "SAVE_DIRECTORY\t/x y\nPLAY_VALUE\t5\nREAR_MIRROR\t1\nLANGUAGE\t1\n"
            "DEFAULT_LANGUAGE\t0\nMODEL\t4\n");

  outcome = Run({"read", File("config/option.ini")});
  EXPECT_EQ(outcome.exit_code, 1);
  EXPECT_EQ(outcome.output, "") << "no values stand for a file that was not read";
  EXPECT_EQ(outcome.error, "vantrel-cli options: cannot read " + File("config/option.ini") +
                               ": No such file or directory\n");
}

TEST_F(OptionsCommandTest, AnEmptySaveDirectoryBecomesTheCaptureFolderInTheDocuments) {
  ASSERT_TRUE(test::WriteFile(File("option.ini"), "SAVE_DIRECTORY=\r\n"));
  const std::string capture = home() + "/Documents/CAM_CAPTURE";
  const auto first_line = [](const std::string& out) { return out.substr(0, out.find('\n')); };

  // Only the last level is made: without a documents folder nothing is created.
  std::filesystem::create_directory(home());
  EXPECT_EQ(first_line(Run({"read", File("option.ini")}).output), "SAVE_DIRECTORY\t" + capture);
  EXPECT_FALSE(std::filesystem::exists(home() + "/Documents"));

  std::filesystem::create_directory(home() + "/Documents");
  EXPECT_EQ(first_line(Run({"read", File("option.ini")}).output), "SAVE_DIRECTORY\t" + capture);
  EXPECT_TRUE(std::filesystem::is_directory(capture));
}

TEST_F(OptionsCommandTest, WriteStoresTheFreshValuesWithOverridesOrFails) {
  EXPECT_EQ(Run({"write", File("a.ini"), "MODEL=3", "SAVE_DIRECTORY=/p q", "REAR_MIRROR=1",
                 "PLAY_VALUE=-10", "LANGUAGE=2", "DEFAULT_LANGUAGE=9"})
                .exit_code,
            0);
  EXPECT_TRUE(
      test::ReadFile(File("a.ini"))
          .ends_with(
              "\r\nSAVE_DIRECTORY=/p q\r\nPLAY_VALUE=-10\r\nUSE_LOG=FALSE\r\nLOG_LEVEL=3\r\n"
              "LOG_TYPE=3\r\nREAR_MIRROR=1\r\nLANGUAGE=2\r\nDEFAULT_LANGUAGE=9\r\nMODEL=3\r\n"));

  const ProgramRun outcome = Run({"write", File("config/option.ini")});
  EXPECT_EQ(outcome.exit_code, 1);
  EXPECT_EQ(outcome.error, "실패\n");
}

TEST_F(OptionsCommandTest, MalformedWordsAreUsageErrorsThatWriteNothing) {
  for (const std::vector<std::string>& words : std::vector<std::vector<std::string>>{
           {"read"},
           {"erase", File("x.ini")},
           {"write", File("x.ini"), "model=1"},
           {"write", File("x.ini"), "MODEL"},
           {"write", File("x.ini"), "MODEL=1x"},
           {"write", File("x.ini"), "PLAY_VALUE=99999999999"},
       }) {
    const ProgramRun outcome = Run(words);
    EXPECT_EQ(outcome.exit_code, 2) << ::testing::PrintToString(words);
    EXPECT_NE(outcome.error.find("usage:"), std::string::npos);
  }
  EXPECT_FALSE(std::filesystem::exists(File("x.ini")));
}

}  // namespace
}  // namespace vantrel
