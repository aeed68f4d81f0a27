// vantrel-cli card format and card summary on simulated cards, run as a user's script runs them:
// the card's own files come back byte for byte, and the image shows the model's partitions and
// label afterwards.
#include <gtest/gtest.h>

#include <fstream>

#include "run_program.h"
#include "temp_dir.h"

namespace vantrel::test {
namespace {

namespace fs = std::filesystem;

// The 11-byte label in the FAT32 boot sector of the file system starting at byte `offset`.
std::string Fat32Label(const fs::path& image, uint64_t offset) {
  std::ifstream in(image, std::ios::binary);
  in.seekg(static_cast<std::streamoff>(offset + 71));
  std::string label(11, '\0');
  in.read(label.data(), 11);
  return label.substr(0, label.find_last_not_of(' ') + 1);
}

class CardCommandTest : public ::testing::Test {
 protected:
  // A LyFS card of the model with a recording of each kind, its folder holding a setup.cfg and an
  // installer.
  void MakeLyfsCard(const std::string& model) {
    ASSERT_EQ(RunProgram(ToolPath("dashcam-sim"), {"lyfs-card",     image_.string(),
                                                   "--cards",       cards_.string(),
                                                   "--size-mib",    "300",
                                                   "--model",       model,
                                                   "--rec",         "1",
                                                   "--evt",         "1",
                                                   "--prk",         "1",
                                                   "--mot",         "1",
                                                   "--mdi",         "0",
                                                   "--interrupted", "0",
                                                   "--seconds",     "1"})
                  .exit_code,
              0);
    PutCardFiles(fs::path(image_.string() + ".root"));
  }

  // A FAT card folder over an image without a partition table.
  void MakeFatCard() {
    ASSERT_EQ(RunProgram(ToolPath("dashcam-sim"),
                         {"card", folder_.string(), "--rec", "1", "--evt", "1", "--prk", "0",
                          "--mot", "0", "--mdi", "0", "--interrupted", "0", "--seconds", "1"})
                  .exit_code,
              0);
    ASSERT_TRUE(WriteFile(image_, ""));
    fs::resize_file(image_, 300 << 20);
    ASSERT_TRUE(WriteFile(
        cards_, "[volume]\nroot = " + folder_.string() + "\ndevice = " + image_.string() + "\n"));
    PutCardFiles(folder_);
  }

  void PutCardFiles(const fs::path& root) {
    root_ = root;
    ASSERT_TRUE(WriteFile(root / "setup.cfg", setup_));
    ASSERT_TRUE(WriteFile(root / "Vantrel Viewer.msi", installer_));
  }

  ProgramRun Cli(const std::vector<std::string>& words) {
    std::vector<std::string> all = {"card"};
    all.insert(all.end(), words.begin(), words.end());
    all.insert(all.end(), {"--source", "0", "--cards", cards_.string()});
    return RunProgram(ToolPath("vantrel-cli"), all);
  }

  void ExpectCardFilesBack() {
    EXPECT_EQ(ReadFile(root_ / "setup.cfg"), setup_);
    EXPECT_EQ(ReadFile(root_ / "Vantrel Viewer.msi"), installer_);
  }

  TempDir temp_;
  const fs::path image_ = temp_.path() / "card.img";
  const fs::path cards_ = temp_.path() / "cards.txt";
  const fs::path folder_ = temp_.path() / "fat card";
  fs::path root_;
  const std::string setup_ =
      "Product Name            : KT520A\r\nH/W Version             : V1.0\r\n"
      "S/W Version             : V1.2\r\nAcc Trigger Level       : 3\r\n";
  const std::string installer_ = std::string(70000, 'i') + "\x01\x02";
};

TEST_F(CardCommandTest, AMeridaVariantGetsItsLargerPartitionAndLabelAndKeepsTheCardsFiles) {
  MakeLyfsCard("KT730A(Merida)");
  // A file of that name in the system's temporary folder must not be taken for the card's.
  const fs::path stray = fs::temp_directory_path() / "setup.cfg";
  const bool made_stray = !fs::exists(stray) && WriteFile(stray, "someone else's");
  const ProgramRun run =
      Cli({"format", "--model", "KT730A(Merida)", "--sd-allocation", "1", "--yes"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.output,
            "kind\tlyfs\nresult\t1000\nmessage\t포맷이 완료 되었습니다.\n"
            "restored\tVantrel Viewer.msi\nrestored\tsetup.cfg\n");
  if (made_stray) fs::remove(stray);
  ExpectCardFilesBack();
  EXPECT_FALSE(fs::exists(root_ / "REC_20140101_120000_1.avi"));
  const ProgramRun info = RunProgram(ToolPath("vantrel-cli"), {"lyfs", "info", image_.string()});
  EXPECT_NE(info.output.find("lyfs\t1\npartition\t1\t0x0c\t2048\t327680\n"), std::string::npos)
      << info.output;  // 160 MiB
  EXPECT_EQ(Fat32Label(image_, 2048 * 512), "KT730A_Meri");
  const ProgramRun listed = RunProgram(ToolPath("vantrel-cli"), {"lyfs", "ls", image_.string()});
  EXPECT_NE(listed.output.find("call\tINFINITE\t0\n"), std::string::npos) << listed.output;
  EXPECT_EQ(listed.output.find("file\t"), std::string::npos);  // the recordings are gone
  const ProgramRun fat = RunProgram("minfo", {"-i", image_.string() + "@@1048576", "::"});
  EXPECT_EQ(fat.exit_code, 0);
  EXPECT_NE(fat.output.find("label=\"KT730A_Meri\""), std::string::npos) << fat.output;
}

TEST_F(CardCommandTest, MeridaMakesAFatCardLyfsAndALyfsCardStaysLyfsForAnyModel) {
  MakeFatCard();
  ProgramRun run = Cli({"format", "--model", "MERIDA", "--yes"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.output.substr(0, 22), "kind\tlyfs\nresult\t1000\n");
  ExpectCardFilesBack();
  ProgramRun info = RunProgram(ToolPath("vantrel-cli"), {"lyfs", "info", image_.string()});
  EXPECT_NE(info.output.find("partition\t1\t0x0c\t2048\t225280\n"), std::string::npos)
      << info.output;  // 110 MiB
  EXPECT_EQ(Fat32Label(image_, 2048 * 512), "MERIDA");
  ProgramRun listed = RunProgram(ToolPath("vantrel-cli"), {"lyfs", "ls", image_.string()});
  EXPECT_NE(listed.output.find("call\tNORMAL\t0\n"), std::string::npos) << listed.output;

  // The card now carries a LyFS partition, so a model of its own FAT card still gets LyFS.
  run = Cli({"format", "--model", "KT520A", "--yes"});
  EXPECT_EQ(run.output.substr(0, 22), "kind\tlyfs\nresult\t1000\n");
  ExpectCardFilesBack();
  EXPECT_EQ(Fat32Label(image_, 2048 * 512), "KT520A");
  listed = RunProgram(ToolPath("vantrel-cli"), {"lyfs", "ls", image_.string()});
  EXPECT_NE(listed.output.find("call\tINFINITE\t0\n"), std::string::npos) << listed.output;
}

TEST_F(CardCommandTest, AFatCardIsFormattedWithThePrefilledLabelAndGetsItsFilesBack) {
  MakeFatCard();
  const ProgramRun run = Cli({"format", "--model", "KT410A", "--yes"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.output,
            "kind\tfat\nresult\t0\nrestored\tVantrel Viewer.msi\nrestored\tsetup.cfg\n");
  ExpectCardFilesBack();
  EXPECT_FALSE(fs::exists(folder_ / "QX_RECBOX"));
  EXPECT_EQ(Fat32Label(image_, 0), "KT410A");
  EXPECT_EQ(RunProgram("fsck.fat", {"-n", image_.string()}).exit_code, 0);
}

TEST_F(CardCommandTest, TheSummaryNeedsALyfsCardAndListsItsFiles) {
  MakeFatCard();
  ProgramRun run = Cli({"summary"});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.output, "message\tLyFS 파일정보만 확인이 가능합니다.?SD 카드를 확인해 주세요\n");
  MakeLyfsCard("KT520A");
  run = Cli({"summary"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.output,
            "total\t   4\t0.0GB\nnormal\t   1\t0.0GB\nevent\t   1\t0.0GB\nparking\t   1\t0.0GB\n"
            "file\t1\tREC_20140101_120000_1.avi\t  0MB\n"
            "file\t2\tEVT_20140101_120001_2.avi\t  0MB\n"
            "file\t3\tPRK_20140101_120002_1.avi\t  0MB\n"
            "file\t4\tMOT_20140101_120003_2.avi\t  0MB\n");
}

TEST_F(CardCommandTest, FormatNeedsACardSourceAModelAndYes) {
  MakeFatCard();
  EXPECT_EQ(Cli({"format", "--model", "KT410A"}).exit_code, 2);
  EXPECT_EQ(Cli({"format", "--yes"}).exit_code, 2);
  EXPECT_EQ(RunProgram(ToolPath("vantrel-cli"), {"card", "format", "--source", "1", "--cards",
                                                 cards_.string(), "--model", "KT410A", "--yes"})
                .exit_code,
            2);  // the computer's folders
  ExpectCardFilesBack();
  EXPECT_TRUE(fs::exists(folder_ / "QX_RECBOX"));
}

}  // namespace
}  // namespace vantrel::test
