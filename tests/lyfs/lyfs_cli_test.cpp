// vantrel-cli lyfs, run as a user runs it: the built binary beside this test.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "run_program.h"
#include "temp_dir.h"

namespace vantrel::test {
namespace {

// "vantrel-cli lyfs WORDS...".
ProgramRun Cli(std::vector<std::string> words) {
  words.insert(words.begin(), "lyfs");
  return RunProgram(ToolPath("vantrel-cli"), words);
}

TEST(LyfsCliTest, FormatPutListGetAndInfoOnAnImage) {
  TempDir temp;
  const std::string image = temp.File("card.img");
  ASSERT_TRUE(WriteFile(image, ""));
  std::filesystem::resize_file(image, 256 << 20);
  const std::string recording = temp.File("EVT_20120815_143005.avi");
  const std::string notes = temp.File("notes");
  ASSERT_TRUE(WriteFile(recording, std::string(70000, 'r')));
  ASSERT_TRUE(WriteFile(notes, "n"));

  ProgramRun run = Cli({"ls", image});
  EXPECT_EQ(run.exit_code, 1);  // no LyFS partition yet
  run = Cli({"format", image, "--model", "KT730A(Merida)", "--sd-allocation", "1"});
  EXPECT_EQ(run.output, "result\t1000\n");
  EXPECT_EQ(run.exit_code, 0);

  run = Cli({"put", image, "EVENT", recording, notes});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.output,
            "file\tEVENT\t1\t70000\tEVT_20120815_143005.avi\n"
            "file\tEVENT\t2\t1\tnotes\n");

  run = Cli({"ls", image});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.output,
            "call\tNORMAL\t-4\n"
            "call\tINFINITE\t0\n"
            "call\tEVENT\t2\n"
            "file\tEVENT\t1\t70000\tEVT_20120815_143005.avi\n"
            "file\tEVENT\t2\t1\tnotes\n"
            "call\tEVENT\t0\n"
            "call\tPARKING\t0\n");
  EXPECT_EQ(Cli({"ls", image, "PARKING"}).output, "call\tPARKING\t0\n");

  const std::string copy = temp.File("copy.avi");
  EXPECT_EQ(Cli({"get", image, "/EVENT/EVT_20120815_143005.avi", copy}).exit_code, 0);
  EXPECT_EQ(ReadFile(copy), std::string(70000, 'r'));
  EXPECT_EQ(Cli({"get", image, "/EVENT/missing.avi", copy}).exit_code, 1);
  EXPECT_EQ(Cli({"get", image, "/PARKING/notes", copy}).exit_code, 1);

  run = Cli({"info", image});
  EXPECT_EQ(run.output,
            "sectors\t524288\n"
            "lyfs\t1\n"
            "partition\t1\t0x0c\t2048\t327680\n"
            "partition\t2\t0xda\t329728\t194560\n");

  run = Cli({"format", temp.File("none.img"), "--model", "MERIDA"});
  EXPECT_EQ(run.output, "result\t1001\n");
  EXPECT_EQ(run.exit_code, 1);

  // A write-protected card (an image without write permission) is still read, but formatting
  // it is refused with a word on why.
  std::filesystem::permissions(image, std::filesystem::perms::owner_read);
  EXPECT_EQ(Cli({"get", image, "/EVENT/EVT_20120815_143005.avi", copy}).exit_code, 0);
  run = RunProgram(ToolPath("vantrel-cli"), {"lyfs", "format", image, "--model", "MERIDA"},
                   ErrorOutput::kSeparate);
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.error.find("write-protected"), std::string::npos) << run.error;
}

}  // namespace
}  // namespace vantrel::test
