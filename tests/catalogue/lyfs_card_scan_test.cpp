// The LyFS card reader over real card images: the list loop over every directory, the entries
// and folder records it makes, a card that cannot be opened, and list records that cannot be
// trusted.
#include "catalogue/lyfs_card_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "catalogue/lyfs_device.h"
#include "catalogue/lyfs_list_record.h"
#include "catalogue_test_support.h"
#include "lyfs/byte_io.h"
#include "lyfs_card_fixture.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

using test::CardFile;

class LyfsCardScanTest : public ::testing::Test {
 protected:
  LyfsCardScanTest() { test::SetUpNames(catalogue_); }

  test::TempDir dir_;
  RecordingCatalogue catalogue_;
};

TEST_F(LyfsCardScanTest, ListsEveryDirectoryInSlicesIntoItsGroup) {
  std::vector<CardFile> files;
  // 65 recordings: the library lists them 30, 30 and 5 at a time.
  for (int i = 0; i < 65; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "REC_20120815_14%02d%02d.avi", i / 60, i % 60);
    files.push_back({"INFINITE", name, std::string(100 + i, 'r')});
  }
  files.push_back({"EVENT", "EVT_20120815_143005.avi", std::string(10485760, 'e')});
  files.push_back({"PARKING", "README", "not a recording"});
  const std::string image = dir_.File("card.img");
  ASSERT_TRUE(test::MakeLyfsCardImage(image, 48, files));

  ASSERT_TRUE(ScanLyfsCard(catalogue_, test::LyfsCard(image)));
  ASSERT_NE(catalogue_.lyfs_device(), nullptr);

  // One folder record per directory name, in order, also for NORMAL, which this card lacks.
  const std::vector<FolderRecord>& folders = catalogue_.folders();
  ASSERT_EQ(folders.size(), 4u);
  const std::vector<std::pair<std::string, int>> expected = {
      {"NORMAL", 0}, {"INFINITE", 65}, {"EVENT", 1}, {"PARKING", 1}};
  for (size_t i = 0; i < folders.size(); ++i) {
    EXPECT_EQ(folders[i].path, expected[i].first);
    EXPECT_EQ(NarrowText(folders[i].narrow_name), expected[i].first);
    EXPECT_EQ(folders[i].count, expected[i].second);
  }

  ASSERT_EQ(catalogue_.entries().size(), 67u);
  for (const RecordingEntry& entry : catalogue_.entries()) {
    EXPECT_GE(entry.lyfs_file_id, 1);
    EXPECT_EQ(entry.path, entry.name);
    EXPECT_EQ(NarrowText(entry.narrow_name), entry.name);
  }
  EXPECT_EQ(std::count_if(catalogue_.entries().begin(), catalogue_.entries().end(),
                          [](const RecordingEntry& entry) { return entry.group == 1; }),
            65);

  const auto event = std::find_if(
      catalogue_.entries().begin(), catalogue_.entries().end(),
      [](const RecordingEntry& entry) { return entry.name == "EVT_20120815_143005.avi"; });
  ASSERT_NE(event, catalogue_.entries().end());
  EXPECT_EQ(event->kind(), RecordingKind::kEvent);
  EXPECT_EQ(event->group, 2);
  EXPECT_EQ(event->size_kib, 10240u);

  // Card names are not filtered by extension.
  const auto readme =
      std::find_if(catalogue_.entries().begin(), catalogue_.entries().end(),
                   [](const RecordingEntry& entry) { return entry.name == "README"; });
  ASSERT_NE(readme, catalogue_.entries().end());
  EXPECT_EQ(readme->group, 3);
  EXPECT_EQ(readme->kind(), RecordingKind::kUnknown);
}

TEST_F(LyfsCardScanTest, CardThatCannotBeOpenedPrintsTheConsoleLineAndFindsNothing) {
  const std::string good = dir_.File("good.img");
  ASSERT_TRUE(test::MakeLyfsCardImage(good, 16, {{"EVENT", "EVT_20120815_143005.avi", "x"}}));
  ASSERT_TRUE(ScanLyfsCard(catalogue_, test::LyfsCard(good)));
  LyfsDeviceBlock earlier = *catalogue_.lyfs_device();

  ASSERT_TRUE(test::WriteFile(dir_.path() / "blank.img", std::string(1 << 20, '\0')));
  for (const std::string& device : {dir_.File("blank.img"), dir_.File("missing.img")}) {
    testing::internal::CaptureStdout();
    EXPECT_FALSE(ScanLyfsCard(catalogue_, test::LyfsCard(device)));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "LYFS drive cannot be opened\n");
    EXPECT_TRUE(catalogue_.entries().empty());
    EXPECT_TRUE(catalogue_.folders().empty());
    EXPECT_EQ(catalogue_.lyfs_device(), nullptr);
  }
  // The card held before was closed, not left open beside the failed one.
  int32_t cursor = 1;
  std::vector<uint8_t> list(LYFS_LIST_BUFFER_SIZE);
  lyfs::Store32(list.data(), LYFS_LIST_CAPACITY);
  EXPECT_EQ(QX_LyFS_Get_FileList(earlier.bytes.data(), "EVENT", &cursor, list.data(), 0),
            LYFS_ERROR_HANDLE);
}

TEST(LyfsListRecordTest, RecordsFromTheCardAreCheckedBeforeUse) {
  const auto record = [](const std::string& name, uint32_t id, uint32_t size) {
    std::vector<uint8_t> bytes(LYFS_LIST_RECORD_SIZE);
    std::memcpy(bytes.data(), name.data(), std::min<size_t>(name.size(), LYFS_LIST_ID_OFFSET));
    lyfs::Store32(bytes.data() + LYFS_LIST_ID_OFFSET, id);
    lyfs::Store32(bytes.data() + LYFS_LIST_SIZE_OFFSET, size);
    return ReadLyfsListRecord(bytes.data());
  };

  const auto plain = record("EVT_20120815_143005.avi", 7, 0xFFFFFFFFu);
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->name, "EVT_20120815_143005.avi");
  EXPECT_EQ(plain->id, 7);
  EXPECT_EQ(plain->size, 0xFFFFFFFFu);

  // A name without its NUL ends where the identifier begins.
  const auto unterminated = record(std::string(120, 'N'), 1, 0);
  ASSERT_TRUE(unterminated);
  EXPECT_EQ(unterminated->name, std::string(98, 'N'));

  // An identifier below 1 would read as a file on the computer; names that could leave a folder
  // or break a line are no card file's.
  EXPECT_FALSE(record("REC.avi", 0, 10));
  EXPECT_FALSE(record("REC.avi", 0x80000000u, 10));
  for (const std::string name : {"", ".", "..", "../REC.avi", "a/b.avi", "a\\b.avi", "a\nb.avi"}) {
    EXPECT_FALSE(record(name, 3, 10)) << name;
  }
}

}  // namespace
}  // namespace vantrel
