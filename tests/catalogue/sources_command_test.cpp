// vantrel-cli sources and scan --source, run as a user runs them: which sources are listed, a
// FAT card scanned whole, and the misuse and failure exits.
#include <gtest/gtest.h>

#include <fstream>

#include "cli_run.h"
#include "platform/volume_provider_linux.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

using test::RunProgram;

class SourcesCommandTest : public ::testing::Test {
 protected:
  SourcesCommandTest() {
    test::WriteFile(dir_.path() / "fat.img", std::string(1 << 20, '\0'));
    test::WriteFile(dir_.path() / "card/QX_RECBOX/MP4_EVENT/EVT_20120815_143005_1.avi",
                    std::string(2048, 'e'));
    test::WriteFile(dir_.path() / "card/QX_RECBOX/MP4_INFINITE/REC_20120815_143000_1.avi", "r");
    std::ofstream(cards_) << "[volume]\nroot = card\ndevice = fat.img\n"
                          << "[volume]\nroot = system\ndevice = fat.img\nsystem = 1\n"
                          << "[volume]\nroot = fixed\ndevice = fat.img\nremovable = 0\n"
                          << "[volume]\nroot = reader\ndevice = fat.img\nsector_size = 0\n";
  }

  test::TempDir dir_;
  const std::string cards_ = dir_.File("cards.txt");
};

TEST_F(SourcesCommandTest, ListsTheCardsThenTheComputer) {
  const test::ProgramRun run = RunProgram(VANTREL_CLI, {"sources", "--cards", cards_});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.output, "source\t0\t0\t" + dir_.File("card") + "/\t" + dir_.File("fat.img") +
                            "\nsource\t1\t2\t내 컴퓨터에서 찾기\t\n");

  // This computer's own volumes: a machine without a removable card lists only the computer.
  bool card_present = false;
  for (const platform::Volume& volume : platform::LinuxVolumeProvider().Volumes()) {
    card_present = card_present || platform::OfferableAsCard(volume);
  }
  const test::ProgramRun here = RunProgram(VANTREL_CLI, {"sources"});
  EXPECT_EQ(here.exit_code, 0);
  if (!card_present) {
    EXPECT_EQ(here.output, "source\t0\t2\t내 컴퓨터에서 찾기\t\n");
  }
  EXPECT_NE(here.output.find("\t2\t내 컴퓨터에서 찾기\t\n"), std::string::npos);

  EXPECT_EQ(RunProgram(VANTREL_CLI, {"sources", "--cards", dir_.File("missing.txt")}).exit_code, 1);
  EXPECT_EQ(RunProgram(VANTREL_CLI, {"sources", "extra"}).exit_code, 2);
}

TEST_F(SourcesCommandTest, ScanOfASourceReadsAFatCardWhole) {
  const test::ProgramRun card =
      RunProgram(VANTREL_CLI, {"scan", "--source", "0", "--cards", cards_, "--language", "9"});
  EXPECT_EQ(card.exit_code, 0);
  const std::string root = dir_.File("card") + "/";
  EXPECT_EQ(card.output, "1\t2012-08-15\t14:30:00\t0\tREC\t0\t0\tREC_20120815_143000_1.avi\t" +
                             root +
                             "QX_RECBOX/MP4_INFINITE/REC_20120815_143000_1.avi\n"
                             "2\t2012-08-15\t14:30:05\t2\tEVT\t2\t0\tEVT_20120815_143005_1.avi\t" +
                             root + "QX_RECBOX/MP4_EVENT/EVT_20120815_143005_1.avi\n");

  // The computer's source scans the items given, as picked.
  const test::ProgramRun folder = RunProgram(
      VANTREL_CLI, {"scan", "--source", "1", "--cards", cards_, "--kind", "2", root + "QX_RECBOX"});
  EXPECT_EQ(folder.exit_code, 0);
  EXPECT_NE(folder.output.find("\t2\t1\tEVT_20120815_143005_1.avi\t"), std::string::npos);

  for (const char* index : {"2", "-1"}) {
    const test::ProgramRun missing =
        RunProgram(VANTREL_CLI, {"scan", "--source", index, "--cards", cards_});
    EXPECT_EQ(missing.exit_code, 1) << index;
    EXPECT_EQ(missing.output, "") << index;
  }
  EXPECT_EQ(RunProgram(VANTREL_CLI, {"scan", "--source", "zero"}).exit_code, 2);
  EXPECT_EQ(RunProgram(VANTREL_CLI, {"scan", "--cards", cards_, root}).exit_code, 2);
}

}  // namespace
}  // namespace vantrel
