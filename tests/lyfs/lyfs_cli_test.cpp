// vantrel-cli lyfs, run as a user runs it: the built binary beside this test.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include "temp_dir.h"

namespace vantrel::test {
namespace {

struct CliRun {
  int exit_code = -1;
  std::string out;
};

CliRun Cli(const std::string& arguments) {
  const auto cli = std::filesystem::canonical("/proc/self/exe").parent_path() / "vantrel-cli";
  CliRun run;
  std::FILE* pipe = ::popen((cli.string() + " lyfs " + arguments + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, got);
  const int status = ::pclose(pipe);
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
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

  CliRun run = Cli("ls " + image);
  EXPECT_EQ(run.exit_code, 1);  // no LyFS partition yet
  run = Cli("format " + image + " --model KT730A\\(Merida\\) --sd-allocation 1");
  EXPECT_EQ(run.out, "result\t1000\n");
  EXPECT_EQ(run.exit_code, 0);

  run = Cli("put " + image + " EVENT " + recording + " " + notes);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out,
            "file\tEVENT\t1\t70000\tEVT_20120815_143005.avi\n"
            "file\tEVENT\t2\t1\tnotes\n");

  run = Cli("ls " + image);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out,
            "call\tNORMAL\t-4\n"
            "call\tINFINITE\t0\n"
            "call\tEVENT\t2\n"
            "file\tEVENT\t1\t70000\tEVT_20120815_143005.avi\n"
            "file\tEVENT\t2\t1\tnotes\n"
            "call\tEVENT\t0\n"
            "call\tPARKING\t0\n");
  EXPECT_EQ(Cli("ls " + image + " PARKING").out, "call\tPARKING\t0\n");

  const std::string copy = temp.File("copy.avi");
  EXPECT_EQ(Cli("get " + image + " /EVENT/EVT_20120815_143005.avi " + copy).exit_code, 0);
  EXPECT_EQ(ReadFile(copy), std::string(70000, 'r'));
  EXPECT_EQ(Cli("get " + image + " /EVENT/missing.avi " + copy).exit_code, 1);
  EXPECT_EQ(Cli("get " + image + " /PARKING/notes " + copy).exit_code, 1);

  run = Cli("info " + image);
  EXPECT_EQ(run.out,
            "sectors\t524288\n"
            "lyfs\t1\n"
            "partition\t1\t0x0c\t2048\t327680\n"
            "partition\t2\t0xda\t329728\t194560\n");

  run = Cli("format " + temp.File("none.img") + " --model MERIDA");
  EXPECT_EQ(run.out, "result\t1001\n");
  EXPECT_EQ(run.exit_code, 1);
}

}  // namespace
}  // namespace vantrel::test
