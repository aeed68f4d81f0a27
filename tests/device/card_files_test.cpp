// Files in a card root: the exact-name test, the installer copy, and replacing a file so that a
// failed write leaves the old one; and the card list built from simulated volumes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "device/card_drives.h"
#include "device/card_file_write.h"
#include "device/card_files.h"
#include "platform/volume_provider_simulated.h"
#include "temp_dir.h"

namespace vantrel::device {
namespace {

namespace fs = std::filesystem;

class CardFilesTest : public ::testing::Test {
 protected:
  std::string root() const { return dir_.File("card") + "/"; }
  std::string program() const { return dir_.File("program"); }

  test::TempDir dir_;
};

TEST_F(CardFilesTest, OnlyARegularFileOfExactlyThatNameCounts) {
  ASSERT_TRUE(test::WriteFile(root() + "SETUP.CFG", "x"));
  fs::create_directory(root() + "time.cfg");
  EXPECT_FALSE(CardFileExists(root(), "setup.cfg")) << "case differs";
  EXPECT_TRUE(CardFileExists(root(), "SETUP.CFG"));
  EXPECT_FALSE(CardFileExists(root(), "time.cfg")) << "a folder";
  EXPECT_FALSE(CardFileExists(root(), "SETUP.CF"));
  fs::create_symlink(root() + "SETUP.CFG", root() + "setup.cfg");
  EXPECT_FALSE(CardFileExists(root(), "setup.cfg")) << "a link";
  EXPECT_FALSE(CardFileExists(dir_.File("none/"), "setup.cfg"));
  EXPECT_EQ(CardFilePath(root(), "setup.cfg"), dir_.File("card") + "/setup.cfg");
  EXPECT_EQ(CardFilePath(dir_.File("card"), "setup.cfg"), dir_.File("card") + "/setup.cfg");
}

TEST_F(CardFilesTest, TheInstallerIsCopiedOverAnyOldOneAndSkippedWhenAbsent) {
  fs::create_directories(root());
  fs::create_directories(program());
  EXPECT_FALSE(CopyInstallerToCard(program(), root())) << "a development build has none";
  EXPECT_FALSE(fs::exists(root() + kInstallerFileName));

  const std::string package(200000, 'p');
  ASSERT_TRUE(test::WriteFile(program() + "/" + kInstallerFileName, package));
  ASSERT_TRUE(test::WriteFile(root() + kInstallerFileName, "old"));
  EXPECT_TRUE(CopyInstallerToCard(program(), root()));
  EXPECT_EQ(test::ReadFile(root() + kInstallerFileName), package);
  EXPECT_EQ(std::distance(fs::directory_iterator(root()), fs::directory_iterator()), 1)
      << "nothing left beside it";

  EXPECT_FALSE(CopyInstallerToCard(program(), dir_.File("gone") + "/"));
}

TEST_F(CardFilesTest, AReplacementThatCannotFinishLeavesTheOldFile) {
  const std::string path = root() + "setup.cfg";
  ASSERT_TRUE(test::WriteFile(path, "old"));
  EXPECT_TRUE(ReplaceFileContents(path, "new"));
  EXPECT_EQ(test::ReadFile(path), "new");
  // A folder under the target's name cannot be replaced by a file.
  fs::create_directory(root() + "sub");
  EXPECT_FALSE(ReplaceFileContents(root() + "sub", "x"));
  EXPECT_TRUE(fs::is_directory(root() + "sub"));
  EXPECT_FALSE(fs::exists(root() + ".sub.new"));
}

TEST_F(CardFilesTest, TheCardListHoldsRemovableVolumesWithAWritableDisk) {
  ASSERT_TRUE(test::WriteFile(dir_.File("cards.txt"),
                              "[volume]\nroot = b\nlabel = KT520A\ndevice = b.img\n"
                              "[volume]\nroot = a\ndevice = a.img\n"
                              "[volume]\nroot = c\nremovable = 0\ndevice = c.img\n"
                              "[volume]\nroot = d\nsector_size = 0\ndevice = d.img\n"
                              "[volume]\nroot = e\ndevice = missing.img\n"
                              "[volume]\nroot = f\n"));
  for (const char* image : {"a.img", "b.img", "c.img", "d.img"}) {
    ASSERT_TRUE(test::WriteFile(dir_.File(image), std::string(4096, '\0')));
  }
  platform::SimulatedVolumeProvider volumes;
  ASSERT_TRUE(volumes.Load(dir_.File("cards.txt")));
  const std::vector<CardDriveEntry> cards = ListCardDrives(volumes);
  ASSERT_EQ(cards.size(), 2u);
  EXPECT_EQ(cards[0].root, dir_.File("a") + "/");
  EXPECT_EQ(cards[0].drive_index, 0);
  EXPECT_EQ(CardDriveText(cards[0]), "(" + dir_.File("a") + "/)");
  EXPECT_EQ(CardDriveText(cards[1]), "KT520A(" + dir_.File("b") + "/)");
  EXPECT_EQ(cards[1].device_path, dir_.File("b.img"));
  EXPECT_FALSE(cards[1].lyfs);
}

}  // namespace
}  // namespace vantrel::device
