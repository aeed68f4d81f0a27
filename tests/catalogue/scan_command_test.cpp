// vantrel-cli scan, run as a user runs it: the rows it prints, their order, the kind filter and
// the exit codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "run_program.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

// "vantrel-cli scan WORDS...".
test::ProgramRun Scan(std::vector<std::string> words) {
  words.insert(words.begin(), "scan");
  return test::RunProgram(test::ToolPath("vantrel-cli"), words);
}

class ScanCommandTest : public ::testing::Test {
 protected:
  ScanCommandTest() {
    test::WriteFile(dir_.path() / "card/REC_20120815_143010.avi", std::string(3000, 'x'));
    test::WriteFile(dir_.path() / "card/notes.txt", "");
    test::WriteFile(dir_.path() / "card/event/EVT_20120815_143005_F.AVI", std::string(1024, 'x'));
    test::WriteFile(dir_.path() / "card/rec_20120815_143000.avi", "");
  }
  std::string At(const std::string& relative) const { return dir_.File(relative); }

  test::TempDir dir_;
};

TEST_F(ScanCommandTest, PrintsOneSortedRowPerRecording) {
  const test::ProgramRun run = Scan({"--language", "9", At("card")});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.output, "1\t2012-08-15\t14:30:00\t6\tUnKnown\t0\t1\trec_20120815_143000.avi\t" +
                            At("card/rec_20120815_143000.avi") + "\n" +
                            "2\t2012-08-15\t14:30:05\t2\tEVT\t1\t1\tEVT_20120815_143005_F.AVI\t" +
                            At("card/event/EVT_20120815_143005_F.AVI") + "\n" +
                            "3\t2012-08-15\t14:30:10\t0\tREC\t2\t1\tREC_20120815_143010.avi\t" +
                            At("card/REC_20120815_143010.avi") + "\n");
}

TEST_F(ScanCommandTest, KindFilterListsOneKind) {
  const test::ProgramRun event = Scan({"--kind", "2", "--language", "9", At("card")});
  EXPECT_EQ(event.exit_code, 0);
  EXPECT_EQ(event.output.rfind("1\t2012-08-15\t14:30:05\t2\tEVT\t", 0), 0u);
  EXPECT_EQ(std::count(event.output.begin(), event.output.end(), '\n'), 1);
  EXPECT_EQ(Scan({"--kind", "6", At("card")}).output, "");
}

TEST_F(ScanCommandTest, ExitCodesTellFailureAndMisuse) {
  // A missing file fails the scan; what was found before is still printed.
  const test::ProgramRun missing =
      Scan({"--language", "9", At("card/REC_20120815_143010"), At("gone")});
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_NE(missing.output.find("REC_20120815_143010.avi"), std::string::npos);

  EXPECT_EQ(Scan({At("card/notes.txt")}).exit_code, 1);
  EXPECT_EQ(Scan({}).exit_code, 2);
  EXPECT_EQ(Scan({"--kind", "event", At("card")}).exit_code, 2);
  EXPECT_EQ(Scan({At("card"), "--kind"}).exit_code, 2);
}

}  // namespace
}  // namespace vantrel
