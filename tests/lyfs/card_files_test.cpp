// Writing, listing and reading files on a LyFS card image, through the calls the viewer makes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <vector>

#include "lyfs/byte_io.h"
#include "lyfs/file_access.h"
#include "lyfs/lyfs.h"
#include "lyfs_test_helpers.h"
#include "temp_dir.h"

namespace vantrel::test {
namespace {

class CardFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QX_LyFS_Start();
    image_ = temp_.File("card.img");
    // A sparse image, as `truncate -s 256M` makes it.
    ASSERT_TRUE(WriteFile(image_, ""));
    std::filesystem::resize_file(image_, 256u << 20);
    ASSERT_EQ(MakeLyfsCard(image_, SmallSplit()), LYFS_OK);
  }
  void TearDown() override { QX_LyFS_Stop(); }

  TempDir temp_;
  std::string image_;
};

TEST_F(CardFilesTest, SixtyFiveRecordingsAreListedThirtyThirtyFiveThenNothing) {
  {
    OpenedCard card(image_);
    ASSERT_EQ(card.result(), LYFS_OK);
    for (int i = 0; i < 65; ++i) {
      const std::string name = "REC_20140101_12" + std::to_string(1000 + i).substr(1) + "0.avi";
      ASSERT_EQ(PutBytes(card.block(), "INFINITE", name, Pattern(100 + i, i)), LYFS_OK) << name;
    }
  }
  OpenedCard card(image_);
  ASSERT_EQ(card.result(), LYFS_OK);
  const Listing listing = ListDirectory(card.block(), "INFINITE");
  EXPECT_EQ(listing.calls, (std::vector<int>{30, 30, 5, 0}));
  ASSERT_EQ(listing.records.size(), 65u);
  std::vector<int32_t> ids;
  for (int i = 0; i < 65; ++i) {
    EXPECT_EQ(listing.records[i].size, 100u + i);
    EXPECT_EQ(listing.records[i].name,
              "REC_20140101_12" + std::to_string(1000 + i).substr(1) + "0.avi");
    ids.push_back(listing.records[i].id);
  }
  // Identifiers are assigned by the library: positive and distinct.
  std::sort(ids.begin(), ids.end());
  EXPECT_GE(ids.front(), 1);
  EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
  // Other directories are empty but exist; a directory the card lacks gives no record.
  EXPECT_EQ(ListDirectory(card.block(), "EVENT").calls, std::vector<int>{0});
  const Listing missing = ListDirectory(card.block(), "NORMAL");
  ASSERT_EQ(missing.calls.size(), 1u);
  EXPECT_LE(missing.calls[0], 0);
}

TEST_F(CardFilesTest, FilesReadBackByteIdenticalWhateverTheirNameOrReadSize) {
  const std::string event = Pattern(10485760, 7);
  const std::string odd = Pattern(100003, 8);
  {
    OpenedCard card(image_);
    ASSERT_EQ(PutBytes(card.block(), "EVENT", "EVT_20120815_143005.avi", event), LYFS_OK);
    ASSERT_EQ(PutBytes(card.block(), "EVENT", "README", odd), LYFS_OK);
    ASSERT_EQ(PutBytes(card.block(), "EVENT", "empty.avi", ""), LYFS_OK);
  }
  OpenedCard card(image_);
  const Listing listing = ListDirectory(card.block(), "EVENT");
  ASSERT_EQ(listing.records.size(), 3u);
  EXPECT_EQ(listing.records[0].name, "EVT_20120815_143005.avi");
  EXPECT_EQ(listing.records[0].size, 10485760u);
  EXPECT_EQ(listing.records[1].name, "README");  // no ".avi": still listed
  EXPECT_EQ(listing.records[2].size, 0u);

  const int event_id = listing.records[0].id;
  EXPECT_EQ(ReadAll(card.block(), "EVT_20120815_143005.avi", event_id), event);
  EXPECT_EQ(ReadAll(card.block(), "/EVENT/EVT_20120815_143005.avi", event_id), event);
  EXPECT_EQ(ReadAll(card.block(), "/EVENT/README", listing.records[1].id, 4093), odd);
  EXPECT_EQ(ReadAll(card.block(), "/EVENT/README", 0, 1), odd);  // by path alone
  EXPECT_EQ(ReadAll(card.block(), "empty.avi", listing.records[2].id), "");
}

TEST_F(CardFilesTest, ReadingStopsAtTheEndAndAtOffsetsWithoutMovingThePosition) {
  const std::string bytes = Pattern(200000, 3);
  OpenedCard card(image_);
  ASSERT_EQ(PutBytes(card.block(), "PARKING", "PRK_20140101_000000.avi", bytes), LYFS_OK);
  const int id = ListDirectory(card.block(), "PARKING").records.at(0).id;
  const int handle = QX_LyFS_File_Open(card.block(), "PRK_20140101_000000.avi", "r", 0, 0, id);
  ASSERT_GT(handle, 0);
  EXPECT_EQ(lyfs::StatFile(card.block(), handle)->size, bytes.size());

  std::vector<char> buffer(300000);
  char at[10];
  ASSERT_EQ(lyfs::ReadFileAt(card.block(), handle, 123456, at, sizeof at), 10);
  EXPECT_EQ(std::string(at, 10), bytes.substr(123456, 10));
  EXPECT_EQ(lyfs::ReadFileAt(card.block(), handle, 199995, at, sizeof at), 5);
  EXPECT_EQ(lyfs::ReadFileAt(card.block(), handle, 200000, at, sizeof at), 0);
  EXPECT_EQ(lyfs::ReadFileAt(card.block(), handle, UINT64_MAX, at, sizeof at), 0);

  // The sequential position is untouched by the reads at offsets.
  ASSERT_EQ(QX_LyFS_File_Read(card.block(), buffer.data(), 1000, handle), 1000);
  EXPECT_EQ(std::string(buffer.data(), 1000), bytes.substr(0, 1000));
  ASSERT_EQ(QX_LyFS_File_Read(card.block(), buffer.data(), 300000, handle), 199000);
  EXPECT_EQ(QX_LyFS_File_Read(card.block(), buffer.data(), 300000, handle), 0);
  EXPECT_EQ(QX_LyFS_File_Read(card.block(), buffer.data(), 300000, handle), 0);
  EXPECT_EQ(QX_LyFS_File_Close(card.block(), handle), LYFS_OK);
  EXPECT_LT(QX_LyFS_File_Read(card.block(), buffer.data(), 10, handle), 0);
}

TEST_F(CardFilesTest, OpeningNeedsTheIdentifierAndNameOfTheSameFile) {
  OpenedCard card(image_);
  ASSERT_EQ(PutBytes(card.block(), "EVENT", "a.avi", "aaa"), LYFS_OK);
  ASSERT_EQ(PutBytes(card.block(), "PARKING", "b.avi", "bbb"), LYFS_OK);
  const int a = ListDirectory(card.block(), "EVENT").records.at(0).id;
  const int b = ListDirectory(card.block(), "PARKING").records.at(0).id;
  void* block = card.block();
  EXPECT_LT(QX_LyFS_File_Open(block, "a.avi", "r", 0, 0, b), 0);
  EXPECT_LT(QX_LyFS_File_Open(block, "/PARKING/a.avi", "r", 0, 0, a), 0);
  EXPECT_LT(QX_LyFS_File_Open(block, "/EVENT/a.avi", "w", 0, 0, a), 0);
  EXPECT_LT(QX_LyFS_File_Open(block, "/EVENT/../a.avi", "r", 0, 0, 0), 0);
  EXPECT_LT(QX_LyFS_File_Open(block, "/EVENT", "r", 0, 0, 0), 0);
  EXPECT_LT(QX_LyFS_File_Open(block, "missing.avi", "r", 0, 0, 0), 0);
  EXPECT_EQ(ReadAll(block, "b.avi", 0), "bbb");
}

TEST_F(CardFilesTest, TheListNeverWritesBeyondThirtyRecordsOrTheCallersCapacity) {
  OpenedCard card(image_);
  for (int i = 0; i < 40; ++i) {
    ASSERT_EQ(PutBytes(card.block(), "INFINITE", "f" + std::to_string(i), "x"), LYFS_OK);
  }
  // The buffer as the reader allocates it, followed by guard bytes.
  std::vector<uint8_t> buffer(LYFS_LIST_BUFFER_SIZE + 64, 0xEE);
  lyfs::Store32(buffer.data(), 1000);
  int32_t cursor = 1;
  EXPECT_EQ(QX_LyFS_Get_FileList(card.block(), "INFINITE", &cursor, buffer.data(), 0), 30);
  for (size_t i = 4 + 30 * LYFS_LIST_RECORD_SIZE; i < buffer.size(); ++i) {
    ASSERT_EQ(buffer[i], 0xEE) << i;
  }
  EXPECT_EQ(lyfs::Load32(buffer.data()), 1000u);  // the capacity word is the caller's

  std::fill(buffer.begin(), buffer.end(), 0xEE);
  lyfs::Store32(buffer.data(), 4);
  EXPECT_EQ(QX_LyFS_Get_FileList(card.block(), "INFINITE", &cursor, buffer.data(), 0), 4);
  EXPECT_EQ(cursor, 35);
  EXPECT_EQ(buffer[4 + 4 * LYFS_LIST_RECORD_SIZE], 0xEE);

  lyfs::Store32(buffer.data(), 0);
  EXPECT_LT(QX_LyFS_Get_FileList(card.block(), "INFINITE", &cursor, buffer.data(), 0), 0);
  lyfs::Store32(buffer.data(), 30);
  int32_t bad_cursor = 0;
  EXPECT_LT(QX_LyFS_Get_FileList(card.block(), "INFINITE", &bad_cursor, buffer.data(), 0), 0);
  int32_t past_end = 1000000;
  EXPECT_EQ(QX_LyFS_Get_FileList(card.block(), "INFINITE", &past_end, buffer.data(), 0), 0);
}

TEST_F(CardFilesTest, BlocksThatNameNoOpenDeviceAreRefused) {
  std::array<uint8_t, LYFS_DEVICE_BLOCK_SIZE> stale{};
  {
    OpenedCard card(image_);
    std::memcpy(stale.data(), card.block(), stale.size());
  }
  std::vector<uint8_t> buffer(LYFS_LIST_BUFFER_SIZE);
  lyfs::Store32(buffer.data(), 30);
  int32_t cursor = 1;
  EXPECT_EQ(QX_LyFS_Get_FileList(stale.data(), "EVENT", &cursor, buffer.data(), 0),
            LYFS_ERROR_HANDLE);

  OpenedCard card(image_);
  std::array<uint8_t, LYFS_DEVICE_BLOCK_SIZE> forged{};
  std::memcpy(forged.data(), card.block(), forged.size());
  forged[4] ^= 1;  // another table slot, checksum now wrong
  EXPECT_EQ(QX_LyFS_File_Open(forged.data(), "x", "r", 0, 0, 1), LYFS_ERROR_HANDLE);
  std::array<uint8_t, LYFS_DEVICE_BLOCK_SIZE> zeros{};
  EXPECT_EQ(QX_LyFS_Device_Close(zeros.data()), LYFS_ERROR_HANDLE);
  EXPECT_EQ(QX_LyFS_Device_Close(nullptr), LYFS_ERROR_HANDLE);
  EXPECT_EQ(ListDirectory(card.block(), "EVENT").calls, std::vector<int>{0});
}

TEST_F(CardFilesTest, AWriteProtectedImageOpensForReadingOnly) {
  {
    OpenedCard card(image_);
    ASSERT_EQ(PutBytes(card.block(), "EVENT", "kept.avi", "kept"), LYFS_OK);
  }
  std::filesystem::permissions(image_, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
  OpenedCard card(image_);
  ASSERT_EQ(card.result(), LYFS_OK);
  EXPECT_EQ(ReadAll(card.block(), "kept.avi", 0), "kept");
  EXPECT_EQ(lyfs::CreateFile(card.block(), "EVENT", "new.avi"), LYFS_ERROR_READ_ONLY);
  EXPECT_EQ(QX_LyFS_Check_LyFS_partition(image_.c_str()), 1);
}

}  // namespace
}  // namespace vantrel::test
