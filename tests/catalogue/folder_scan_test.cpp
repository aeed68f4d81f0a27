// The file-system scans over real folder trees: counts, groups, paths and sizes, the picked and
// dropped item rules, their failures, link cycles, and emptying a folder.
#include "catalogue/folder_scan.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "catalogue_test_support.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using test::WriteFile;

class FolderScanTest : public ::testing::Test {
 protected:
  FolderScanTest() { test::SetUpNames(catalogue_); }

  // A small fake recording: the scan reads only names and sizes.
  void MakeFile(const std::string& relative, size_t bytes = 0) {
    ASSERT_TRUE(WriteFile(dir_.path() / relative, std::string(bytes, 'x')));
  }
  std::string At(const std::string& relative) const { return dir_.File(relative); }

  std::vector<std::string> Paths() const {
    std::vector<std::string> paths;
    for (const RecordingEntry& entry : catalogue_.entries()) paths.push_back(entry.path);
    std::sort(paths.begin(), paths.end());
    return paths;
  }

  TempDir dir_;
  RecordingCatalogue catalogue_;
};

TEST_F(FolderScanTest, TreeScanCountsAcceptedFilesAndListableSubFolders) {
  MakeFile("card/REC_20120815_143005.avi", 5000);
  MakeFile("card/notes.txt");
  MakeFile("card/QX_RECBOX/EVT_20120815_143010_F.AVI", 1024);
  fs::create_directories(At("card/QX_RECBOX/empty"));

  FolderRecord root{At("card")};  // the "/" is added
  ASSERT_TRUE(ScanFolderTree(catalogue_, root, kFatCardGroup));
  EXPECT_EQ(root.path, At("card") + "/");
  EXPECT_EQ(root.count, 2);  // one recording and one sub-folder
  EXPECT_EQ(Paths(), (std::vector<std::string>{At("card/QX_RECBOX/EVT_20120815_143010_F.AVI"),
                                               At("card/REC_20120815_143005.avi")}));
  for (const RecordingEntry& entry : catalogue_.entries()) {
    EXPECT_EQ(entry.group, kFatCardGroup);
    EXPECT_EQ(entry.lyfs_file_id, -1);
    EXPECT_EQ(entry.size_kib, entry.name[0] == 'R' ? 4u : 1u);
  }

  FolderRecord missing{At("nowhere/")};
  EXPECT_FALSE(ScanFolderTree(catalogue_, missing, kFatCardGroup));
  FolderRecord file{At("card/notes.txt")};
  EXPECT_FALSE(ScanFolderTree(catalogue_, file, kFatCardGroup));
  FolderRecord empty{""};
  EXPECT_FALSE(ScanFolderTree(catalogue_, empty, kFatCardGroup));
}

TEST_F(FolderScanTest, UnlistableSubFolderIsNotCounted) {
  if (geteuid() == 0) GTEST_SKIP() << "the super-user can list any folder";
  MakeFile("tree/locked/REC_20120815_143005.avi");
  MakeFile("tree/REC_20120815_143010.avi");
  fs::permissions(At("tree/locked"), fs::perms::none);
  FolderRecord root{At("tree/")};
  EXPECT_TRUE(ScanFolderTree(catalogue_, root, kComputerFolderGroup));
  EXPECT_EQ(root.count, 1);
  EXPECT_EQ(catalogue_.entries().size(), 1u);
}

TEST_F(FolderScanTest, LinkCyclesEndAndNoFolderIsScannedTwice) {
  MakeFile("loop/REC_20120815_143005.avi");
  MakeFile("loop/a/EVT_20120815_143010.avi");
  fs::create_directory_symlink(At("loop"), At("loop/a/up"));
  fs::create_directory_symlink(At("loop/a"), At("loop/again"));
  FolderRecord root{At("loop/")};
  ASSERT_TRUE(ScanFolderTree(catalogue_, root, kComputerFolderGroup));
  EXPECT_EQ(catalogue_.entries().size(), 2u);
  EXPECT_EQ(root.count, 2);  // the file and one of the two ways into "a"
}

TEST_F(FolderScanTest, PickedItemsScanFoldersAndFindFilesShownWithoutExtension) {
  MakeFile("pick/REC_20120815_143005.avi", 2048);
  MakeFile("pick/sub/EVT_20120815_143010.AVI");
  MakeFile("other/PRK_20120815_143020.avi");
  ASSERT_TRUE(ScanPickedItems(catalogue_, {At("pick"), At("other/PRK_20120815_143020")}));
  EXPECT_EQ(Paths(), (std::vector<std::string>{At("other/PRK_20120815_143020.avi"),
                                               At("pick/REC_20120815_143005.avi"),
                                               At("pick/sub/EVT_20120815_143010.AVI")}));
  for (const RecordingEntry& entry : catalogue_.entries()) EXPECT_EQ(entry.group, 1);
  ASSERT_EQ(catalogue_.folders().size(), 1u);
  EXPECT_EQ(catalogue_.folders()[0].count, 3);  // the file, the sub-folder, the picked file
  EXPECT_EQ(catalogue_.folders()[0].path, At("other/PRK_20120815_143020.avi"));

  // A folder holding only an empty sub-folder is found, with nothing in it.
  fs::create_directories(At("bare/empty"));
  ASSERT_TRUE(ScanPickedItems(catalogue_, {At("bare")}));
  EXPECT_TRUE(catalogue_.entries().empty());
  EXPECT_EQ(catalogue_.folders()[0].count, 1);
}

TEST_F(FolderScanTest, MissingPickedFileStopsTheScanAndKeepsWhatWasFound) {
  MakeFile("pick/REC_20120815_143005.avi");
  MakeFile("pick/notes.txt");
  EXPECT_FALSE(ScanPickedItems(catalogue_,
                               {At("pick"), At("gone.avi"), At("pick/REC_20120815_143005.avi")}));
  EXPECT_EQ(catalogue_.entries().size(), 1u);
  EXPECT_TRUE(catalogue_.folders().empty());

  // "notes.txt" is looked for as "notes.txt.avi"; an empty item names nothing.
  EXPECT_FALSE(ScanPickedItems(catalogue_, {At("pick/notes.txt")}));
  EXPECT_FALSE(ScanPickedItems(catalogue_, {""}));
  EXPECT_FALSE(ScanPickedItems(catalogue_, {}));
  EXPECT_TRUE(catalogue_.entries().empty());
}

TEST_F(FolderScanTest, DroppedItemsAreTakenExactlyAsDropped) {
  MakeFile("drop/REC_20120815_143005.avi");
  MakeFile("loose/EVT_20120815_143010.avi", 4096);
  ASSERT_TRUE(ScanDroppedItems(catalogue_, {At("loose/EVT_20120815_143010.avi"), At("drop")}));
  EXPECT_EQ(Paths(), (std::vector<std::string>{At("drop/REC_20120815_143005.avi"),
                                               At("loose/EVT_20120815_143010.avi")}));
  EXPECT_EQ(catalogue_.entries()[0].size_kib, 4u);
  EXPECT_EQ(catalogue_.entries()[0].group, 1);

  // No extension is added to a dropped file.
  EXPECT_FALSE(ScanDroppedItems(catalogue_, {At("loose/EVT_20120815_143010")}));

  // A path too long for the drop is refused, never cut to some shorter path that exists.
  std::string deep = "deep";
  while (At(deep).size() <= kDroppedPathCharacters) deep += "/" + std::string(40, 'd');
  MakeFile(deep + "/REC_20120815_143005.avi");
  EXPECT_FALSE(ScanDroppedItems(catalogue_, {At(deep)}));
  EXPECT_TRUE(catalogue_.entries().empty());
}

TEST_F(FolderScanTest, EmptyFolderFilesKeepsSubFolders) {
  MakeFile("temp/a_hdlr");
  MakeFile("temp/REC_REPAIR.avi");
  MakeFile("temp/keep/inner.avi");
  fs::create_directory_symlink(At("temp/keep"), At("temp/link"));
  EXPECT_TRUE(EmptyFolderFiles(At("temp")));
  EXPECT_FALSE(fs::exists(At("temp/a_hdlr")));
  EXPECT_FALSE(fs::exists(At("temp/REC_REPAIR.avi")));
  EXPECT_TRUE(fs::exists(At("temp/keep/inner.avi")));
  EXPECT_FALSE(EmptyFolderFiles(At("no-such-folder")));
}

}  // namespace
}  // namespace vantrel
