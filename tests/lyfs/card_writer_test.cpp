// Writing files as a recorder does: several recordings growing at once, full areas and tables,
// names, and what a recording cut off by power loss leaves on the card.
#include <gtest/gtest.h>

#include "lyfs/file_access.h"
#include "lyfs/lyfs.h"
#include "lyfs/memory_device.h"
#include "lyfs/volume.h"
#include "lyfs_test_helpers.h"
#include "test_cards.h"

namespace vantrel::test {
namespace {

constexpr size_t kMiB = 1 << 20;

// The files of one area as a fresh mount of `bytes` sees them.
std::vector<lyfs::FileEntry> MountedFiles(std::shared_ptr<std::vector<uint8_t>> bytes,
                                          const std::string& directory) {
  lyfs::MemoryDevice device(std::move(bytes), false);
  auto volume = lyfs::Volume::Mount(device);
  if (!volume) return {};
  const auto area = volume->FindArea(directory);
  return area ? volume->areas()[*area].files : std::vector<lyfs::FileEntry>{};
}

class CardWriterTest : public ::testing::Test {
 protected:
  void SetUp() override { QX_LyFS_Start(); }
  void TearDown() override { QX_LyFS_Stop(); }

  TestCards cards_;
};

TEST_F(CardWriterTest, RecordingsGrowingTogetherKeepTheirBytesAcrossManyExtents) {
  cards_.Add("card", 160 * kMiB);
  ASSERT_EQ(MakeLyfsCard("card", {{"INFINITE", 100, 64, 5}}), LYFS_OK);
  const std::string front = Pattern(17 * 4 * kMiB, 1);
  const std::string rear = Pattern(17 * 4 * kMiB, 2);
  {
    OpenedCard card("card");
    const int a = lyfs::CreateFile(card.block(), "INFINITE", "front.avi");
    const int b = lyfs::CreateFile(card.block(), "INFINITE", "rear.avi");
    ASSERT_GT(a, 0);
    ASSERT_GT(b, 0);
    // Turn by turn, so that every piece of either file lands after a piece of the other.
    for (size_t at = 0; at < front.size(); at += 4 * kMiB) {
      ASSERT_EQ(lyfs::AppendFile(card.block(), a, front.data() + at, 4 * kMiB), LYFS_OK);
      ASSERT_EQ(lyfs::AppendFile(card.block(), b, rear.data() + at, 4 * kMiB), LYFS_OK);
    }
    // Readable while still being written.
    std::string head(100, '\0');
    EXPECT_EQ(lyfs::ReadFileAt(card.block(), a, 4 * kMiB - 50, head.data(), 100), 100);
    EXPECT_EQ(head, front.substr(4 * kMiB - 50, 100));
    EXPECT_EQ(QX_LyFS_File_Close(card.block(), a), LYFS_OK);
    // b is completed by closing the device.
  }
  const auto files = MountedFiles(cards_["card"].bytes, "INFINITE");
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0].extents.size(), 17u);  // more than its slot holds: one continuation
  EXPECT_EQ(files[0].continuation_slots.size(), 1u);

  OpenedCard card("card");
  const Listing listing = ListDirectory(card.block(), "INFINITE");
  ASSERT_EQ(listing.records.size(), 2u);
  EXPECT_EQ(ReadAll(card.block(), "front.avi", listing.records[0].id, 1000000), front);
  EXPECT_EQ(ReadAll(card.block(), "rear.avi", listing.records[1].id), rear);
}

TEST_F(CardWriterTest, AFullAreaRefusesTheWriteAndKeepsEverythingElse) {
  cards_.Add("card", 16 * kMiB);
  ASSERT_EQ(MakeLyfsCard("card", SmallSplit()), LYFS_OK);
  std::string written;
  {
    OpenedCard card("card");
    const int handle = lyfs::CreateFile(card.block(), "EVENT", "long.avi");
    ASSERT_GT(handle, 0);
    int result = LYFS_OK;
    for (uint32_t piece = 0; piece < 64 && result == LYFS_OK; ++piece) {
      const std::string bytes = Pattern(256 * 1024, piece);
      result = lyfs::AppendFile(card.block(), handle, bytes.data(), bytes.size());
      if (result == LYFS_OK) written += bytes;
    }
    EXPECT_EQ(result, LYFS_ERROR_NO_SPACE);
    EXPECT_GT(written.size(), 0u);
    EXPECT_EQ(lyfs::StatFile(card.block(), handle)->size, written.size());
    EXPECT_EQ(QX_LyFS_File_Close(card.block(), handle), LYFS_OK);
    // The area is full for new files too; other directories still take recordings.
    EXPECT_EQ(PutBytes(card.block(), "EVENT", "more.avi", "x"), LYFS_ERROR_NO_SPACE);
    EXPECT_EQ(PutBytes(card.block(), "PARKING", "park.avi", "parked"), LYFS_OK);
  }
  OpenedCard card("card");
  const Listing listing = ListDirectory(card.block(), "EVENT");
  ASSERT_EQ(listing.records.size(), 2u);
  EXPECT_EQ(ReadAll(card.block(), "long.avi", listing.records[0].id), written);
  EXPECT_EQ(listing.records[1].size, 0u);
  EXPECT_EQ(ReadAll(card.block(), "park.avi", 0), "parked");
}

TEST_F(CardWriterTest, AFullFileTableRefusesNewFiles) {
  cards_.Add("card", 16 * kMiB);
  ASSERT_EQ(MakeLyfsCard("card", {{"EVENT", 50, 4, 0}, {"PARKING", 50, 4, 0}}), LYFS_OK);
  OpenedCard card("card");
  for (int i = 0; i < 4; ++i) {
    ASSERT_EQ(PutBytes(card.block(), "EVENT", "e" + std::to_string(i), "x"), LYFS_OK);
  }
  EXPECT_EQ(lyfs::CreateFile(card.block(), "EVENT", "e4"), LYFS_ERROR_TABLE_FULL);
  EXPECT_EQ(ListDirectory(card.block(), "EVENT").records.size(), 4u);
  EXPECT_EQ(PutBytes(card.block(), "PARKING", "p0", "y"), LYFS_OK);
}

TEST_F(CardWriterTest, NamesMustStayInsideTheirDirectoryAndBeUnique) {
  cards_.Add("card", 16 * kMiB);
  ASSERT_EQ(MakeLyfsCard("card", SmallSplit()), LYFS_OK);
  OpenedCard card("card");
  void* block = card.block();
  for (const std::string& bad :
       std::vector<std::string>{"", ".", "..", "a/b", "..\\x", "a\nb", std::string(98, 'n')}) {
    EXPECT_EQ(lyfs::CreateFile(block, "EVENT", bad.c_str()), LYFS_ERROR_ARGUMENT) << bad;
  }
  EXPECT_EQ(PutBytes(block, "EVENT", std::string(97, 'n'), "long name"), LYFS_OK);
  EXPECT_EQ(PutBytes(block, "EVENT", "EVT_1.avi", "1"), LYFS_OK);
  EXPECT_EQ(lyfs::CreateFile(block, "EVENT", "EVT_1.avi"), LYFS_ERROR_EXISTS);
  EXPECT_EQ(PutBytes(block, "PARKING", "EVT_1.avi", "same name elsewhere"), LYFS_OK);
  EXPECT_EQ(lyfs::CreateFile(block, "NORMAL", "x"), LYFS_ERROR_NOT_FOUND);
  EXPECT_EQ(ReadAll(block, "/EVENT/" + std::string(97, 'n'), 0), "long name");

  const int reading = QX_LyFS_File_Open(block, "/EVENT/EVT_1.avi", "r", 0, 0, 0);
  ASSERT_GT(reading, 0);
  EXPECT_EQ(lyfs::AppendFile(block, reading, "z", 1), LYFS_ERROR_READ_ONLY);
  const int writing = lyfs::CreateFile(block, "EVENT", "big.avi");
  ASSERT_GT(writing, 0);
  // Sizes travel as 32 bits in the list, so no file may pass 4 GiB - 1.
  EXPECT_EQ(lyfs::AppendFile(block, writing, "z", size_t{1} << 32), LYFS_ERROR_TOO_LARGE);
}

TEST_F(CardWriterTest, ARecordingCutOffByPowerLossKeepsItsCommittedPart) {
  cards_.Add("card", 64 * kMiB);
  ASSERT_EQ(MakeLyfsCard("card", SmallSplit()), LYFS_OK);
  const std::string bytes = Pattern(10 * kMiB, 9);
  std::vector<uint8_t> at_power_loss;
  {
    OpenedCard card("card");
    const int handle = lyfs::CreateFile(card.block(), "INFINITE", "REC_cut.avi");
    for (size_t at = 0; at < bytes.size(); at += kMiB) {
      ASSERT_EQ(lyfs::AppendFile(card.block(), handle, bytes.data() + at, kMiB), LYFS_OK);
    }
    at_power_loss = *cards_["card"].bytes;
  }
  cards_.Add("cut", 0).bytes = std::make_shared<std::vector<uint8_t>>(at_power_loss);
  OpenedCard card("cut");
  const Listing listing = ListDirectory(card.block(), "INFINITE");
  ASSERT_EQ(listing.records.size(), 1u);
  const uint32_t kept = listing.records[0].size;
  EXPECT_GE(kept, 8 * kMiB);
  EXPECT_LE(kept, bytes.size());
  EXPECT_EQ(ReadAll(card.block(), "REC_cut.avi", listing.records[0].id), bytes.substr(0, kept));
}

TEST_F(CardWriterTest, SpaceBeyondAClosedFileIsReusedButNeverAnotherFilesClusters) {
  cards_.Add("card", 64 * kMiB);
  ASSERT_EQ(MakeLyfsCard("card", SmallSplit()), LYFS_OK);
  {
    OpenedCard card("card");
    ASSERT_EQ(PutBytes(card.block(), "EVENT", "a", "a"), LYFS_OK);
    ASSERT_EQ(PutBytes(card.block(), "EVENT", "b", Pattern(40000, 1)), LYFS_OK);
  }
  {
    OpenedCard card("card");  // a new mount must find where the free space starts
    ASSERT_EQ(PutBytes(card.block(), "EVENT", "c", Pattern(70000, 2)), LYFS_OK);
  }
  const auto files = MountedFiles(cards_["card"].bytes, "EVENT");
  ASSERT_EQ(files.size(), 3u);
  // 32 KiB clusters: "a" keeps one, "b" the next two, "c" follows without a gap.
  EXPECT_EQ(files[0].extents, (std::vector<lyfs::Extent>{{0, 1}}));
  EXPECT_EQ(files[1].extents, (std::vector<lyfs::Extent>{{1, 2}}));
  EXPECT_EQ(files[2].extents, (std::vector<lyfs::Extent>{{3, 3}}));
  OpenedCard card("card");
  EXPECT_EQ(ReadAll(card.block(), "a", 0), "a");
  EXPECT_EQ(ReadAll(card.block(), "b", 0), Pattern(40000, 1));
  EXPECT_EQ(ReadAll(card.block(), "c", 0), Pattern(70000, 2));
}

}  // namespace
}  // namespace vantrel::test
