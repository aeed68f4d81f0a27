// Outputs that cannot be written: a folder that does not exist, a folder the user may not write,
// and a repair that fails over a file that already has the output's name. The command says
// which path failed and why; an existing file survives byte for byte; no temporary file stays.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_fixture.h"

namespace vantrel::test {
namespace {

// Every writing command, OUT standing for its output.
std::vector<std::vector<std::string>> Writers() {
  const Fixture& files = Files();
  return {
      {"lyfs", "get", files.card, files.card_file, "OUT"},
      {"repair", files.interrupted, "OUT"},
      {"grab", files.recording, "--at", "0", "--out", "OUT"},
      {"render", "gauge", "--speed", "50", "--out", "OUT"},
      {"render", "gsensor", files.recording, "--size", "10x10", "--out", "OUT"},
  };
}

std::vector<std::string> With(std::vector<std::string> words, const std::string& output) {
  for (std::string& word : words) word = word == "OUT" ? output : word;
  return words;
}

size_t EntriesIn(const std::string& folder) {
  size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
  return count;
}

TEST(OutputFailure, AMissingFolderIsNamedWithTheSystemsReason) {
  TempDir dir;
  const std::string output = dir.File("missing/out");
  for (const auto& words : Writers()) {
    ExpectRefused(Cli(With(words, output)),
                  "cannot write " + output + ": No such file or directory", words[0]);
  }
}

TEST(OutputFailure, AFolderTheUserMayNotWriteIsRefusedAndLeftAlone) {
  TempDir dir;
  const std::string folder = dir.File("read-only");
  std::filesystem::create_directory(folder);
  std::filesystem::permissions(dir.path(), std::filesystem::perms(0755));
  ASSERT_TRUE(WriteFile(folder + "/out", "precious"));
  std::filesystem::permissions(folder + "/out", std::filesystem::perms(0666));
  std::filesystem::permissions(folder, std::filesystem::perms(0555));
  for (const auto& words : Writers()) {
    for (const std::string& name : {"new", "out"}) {
      bool ran = false;
      const ProgramRun run = CliAsUser(With(words, folder + "/" + name), &ran);
      if (!ran) GTEST_SKIP() << "setpriv is needed to run as a user who is not root";
      ExpectRefused(run, "cannot write " + folder + "/" + name + ": Permission denied", words[0]);
    }
  }
  EXPECT_EQ(ReadFile(folder + "/out"), "precious");
  EXPECT_EQ(EntriesIn(folder), 1u);
  std::filesystem::permissions(folder, std::filesystem::perms(0755));
}

TEST(OutputFailure, AFailedRepairLeavesAnExistingOutputByteForByte) {
  TempDir dir;
  const std::string output = dir.File("out.avi");
  const std::string precious = "an earlier repair, kept\n";
  ASSERT_TRUE(WriteFile(output, precious));
  ASSERT_TRUE(WriteFile(dir.File("junk.avi"), std::string(1000, 'j')));
  // The header of an interrupted recording and nothing after it: it is a recording, but there is
  // nothing to rebuild it from, so the rebuild itself fails.
  const std::string recording = ReadFile(Files().interrupted);
  const uint32_t list = static_cast<uint8_t>(recording[16]) |
                        static_cast<uint8_t>(recording[17]) << 8 |
                        static_cast<uint8_t>(recording[18]) << 16 |
                        static_cast<uint32_t>(static_cast<uint8_t>(recording[19])) << 24;
  ASSERT_TRUE(WriteFile(dir.File("header-only.avi"), recording.substr(0, 20 + list) + "LIST"));
  for (const char* input : {"junk.avi", "header-only.avi", "missing.avi"}) {
    const ProgramRun run = Cli({"repair", dir.File(input), output});
    EXPECT_EQ(run.exit_code, 1) << input;
    EXPECT_NE(run.error, "") << input;
    EXPECT_EQ(ReadFile(output), precious) << input;
    EXPECT_EQ(EntriesIn(dir.path().string()), 3u) << input << ": no temporary file is left";
  }
  const ProgramRun rebuilt = Cli({"repair", dir.File("header-only.avi"), output});
  EXPECT_NE(rebuilt.error.find("not a recording that can be rebuilt"), std::string::npos)
      << rebuilt.error;
  EXPECT_EQ(rebuilt.output, "action\trepair\n");

  // Done once, the repair replaces the file whole.
  ASSERT_EQ(Cli({"repair", Files().interrupted, output}).exit_code, 0);
  EXPECT_EQ(ReadFile(output).substr(0, 4), "RIFF");
  EXPECT_EQ(EntriesIn(dir.path().string()), 3u);
}

}  // namespace
}  // namespace vantrel::test
