// The device-wide calls: device information, partition table edits and the format.
#include <gtest/gtest.h>

#include <cstring>

#include "lyfs/byte_io.h"
#include "lyfs/device_opener.h"
#include "lyfs/folder_split.h"
#include "lyfs/lyfs.h"
#include "lyfs/memory_device.h"
#include "lyfs/partition_table.h"
#include "lyfs_test_helpers.h"
#include "test_cards.h"

namespace vantrel::test {
namespace {

constexpr uint64_t kMiB = 1 << 20;

// A card larger than a partition table can address: reads give zeros, writes are dropped.
class HugeDevice : public lyfs::BlockDevice {
 public:
  uint64_t size() const override { return uint64_t{3} << 40; }  // 3 TiB
  bool writable() const override { return true; }
  bool Flush() override { return true; }

 protected:
  bool ReadInside(uint64_t offset, void* data, size_t count) override {
    if (offset == 0) {
      std::memcpy(data, sector0_, std::min(count, sizeof sector0_));
    } else {
      std::memset(data, 0, count);
    }
    return true;
  }
  bool WriteInside(uint64_t offset, const void* data, size_t count) override {
    if (offset == 0) std::memcpy(sector0_, data, std::min(count, sizeof sector0_));
    return true;
  }

 public:
  static inline uint8_t sector0_[512] = {};
};

lyfs::PartitionTable TableOf(TestCards& cards, const std::string& path) {
  lyfs::MemoryDevice device(cards[path].bytes, false);
  return lyfs::ReadPartitionTable(device).value_or(lyfs::PartitionTable{});
}

std::array<uint8_t, LYFS_MASTER_INFO_SIZE> Info(const std::string& path, int* result) {
  std::array<uint8_t, LYFS_MASTER_INFO_SIZE> info;
  info.fill(0xCC);
  *result = QX_LyFS_Get_Master_Device_Info(path.c_str(), info.data());
  return info;
}

TEST(PartitionCallsTest, DeviceInformationCountsSectorsWithoutWrapping) {
  TestCards cards;
  cards.Add("card", 256 * kMiB);
  int result = 1;
  auto info = Info("card", &result);
  EXPECT_EQ(result, LYFS_OK);
  EXPECT_EQ(lyfs::Load32(info.data() + 12), 524288u);
  EXPECT_EQ(lyfs::Load32(info.data() + 16), 2048u);
  EXPECT_EQ(lyfs::Load32(info.data() + 8), 0u);

  cards["card"].write_protected = true;
  info = Info("card", &result);
  EXPECT_EQ(lyfs::Load32(info.data() + 8), 1u);

  info = Info("no such card", &result);
  EXPECT_EQ(result, LYFS_ERROR_DEVICE);
  EXPECT_EQ(info, (std::array<uint8_t, LYFS_MASTER_INFO_SIZE>{}));  // zeroed, not left as was

  const auto previous = lyfs::SetDeviceOpener(
      [](const std::string&, bool) { return std::make_unique<HugeDevice>(); });
  info = Info("huge", &result);
  EXPECT_EQ(lyfs::Load32(info.data() + 12), 0xFFFFFFFFu);
  EXPECT_EQ(lyfs::Load64(info.data() + 20), (uint64_t{3} << 40) / 512);
  // Asking for the whole card gets what the table can address, not a wrapped size.
  uint32_t next = 0, alignment = 2048;
  ASSERT_EQ(QX_LyFS_Create_Partition("huge", 2, 3u << 20, 0, &next, &alignment), LYFS_OK);
  lyfs::MemoryDevice copy(
      std::make_shared<std::vector<uint8_t>>(HugeDevice::sector0_, HugeDevice::sector0_ + 512),
      false);
  const auto table = lyfs::ReadPartitionTable(copy);
  ASSERT_TRUE(table);
  EXPECT_EQ((*table)[1].start_sector, 2048u);
  EXPECT_EQ((*table)[1].sectors, 0xFFFFFFFFu - 2048u);
  lyfs::SetDeviceOpener(previous);
}

TEST(PartitionCallsTest, PartitionsAreLaidEndToEndAndCutAtTheCardsEnd) {
  TestCards cards;
  cards.Add("card", 64 * kMiB);
  uint32_t next = 0, alignment = 2048;
  ASSERT_EQ(QX_LyFS_Delete_Partition("card", LYFS_DELETE_ALL), LYFS_OK);
  ASSERT_EQ(QX_LyFS_Create_Partition("card", 1, 10, 0, &next, &alignment), LYFS_OK);
  EXPECT_EQ(next, 2048u + 10 * 2048u);
  ASSERT_EQ(QX_LyFS_Create_Partition("card", 2, 1000, 0, &next, &alignment), LYFS_OK);
  auto table = TableOf(cards, "card");
  EXPECT_EQ(table[0].type, 0x0C);
  EXPECT_EQ(table[0].start_sector, 2048u);
  EXPECT_EQ(table[0].sectors, 10u * 2048u);
  EXPECT_EQ(table[1].type, 0xDA);
  EXPECT_EQ(table[1].start_sector, 11u * 2048u);
  EXPECT_EQ(table[1].end_sector(), 64u * 2048u);
  EXPECT_EQ(table[2].type, 0);
  EXPECT_EQ((*cards["card"].bytes)[510], 0x55);
  EXPECT_EQ((*cards["card"].bytes)[511], 0xAA);

  // Nothing left after the last partition; overlapping an existing one; bad arguments.
  EXPECT_EQ(QX_LyFS_Create_Partition("card", 2, 1, 0, &next, &alignment), LYFS_ERROR_NO_SPACE);
  uint32_t start = 4096;
  EXPECT_EQ(QX_LyFS_Create_Partition("card", 2, 1, 0, &start, &alignment), LYFS_ERROR_NO_SPACE);
  uint32_t fresh = 0, odd = 3, zero = 0;
  EXPECT_EQ(QX_LyFS_Create_Partition("card", 1, 1, 0, &fresh, &odd), LYFS_ERROR_ARGUMENT);
  EXPECT_EQ(QX_LyFS_Create_Partition("card", 1, 1, 0, &fresh, &zero), LYFS_ERROR_ARGUMENT);
  EXPECT_EQ(QX_LyFS_Create_Partition("card", 3, 1, 0, &fresh, &alignment), LYFS_ERROR_ARGUMENT);
  EXPECT_EQ(QX_LyFS_Create_Partition("card", 1, 0, 0, &fresh, &alignment), LYFS_ERROR_ARGUMENT);
  EXPECT_EQ(QX_LyFS_Create_Partition("card", 1, 1, 0, nullptr, &alignment), LYFS_ERROR_ARGUMENT);
  EXPECT_EQ(TableOf(cards, "card")[1].end_sector(), 64u * 2048u);  // unchanged by the failures
}

TEST(PartitionCallsTest, DeletingLeavesNothingRecognisable) {
  TestCards cards;
  auto& bytes = *cards.Add("card", 32 * kMiB).bytes;
  ASSERT_EQ(MakeLyfsCard("card", SmallSplit()), LYFS_OK);
  const auto before = TableOf(cards, "card");
  bytes[before[0].start_byte() + 510] = 0x55;  // a FAT boot sector's signature
  ASSERT_EQ(QX_LyFS_Check_LyFS_partition("card"), 1);

  EXPECT_EQ(QX_LyFS_Delete_Partition("card", 0), LYFS_ERROR_ARGUMENT);
  EXPECT_EQ(QX_LyFS_Delete_Partition("card", 8), LYFS_ERROR_ARGUMENT);
  ASSERT_EQ(QX_LyFS_Delete_Partition("card", LYFS_DELETE_ALL), LYFS_OK);
  EXPECT_EQ(QX_LyFS_Check_LyFS_partition("card"), 0);
  for (const auto& entry : TableOf(cards, "card")) EXPECT_EQ(entry.type, 0);
  EXPECT_EQ(bytes[before[0].start_byte() + 510], 0);
  // Putting the old table back does not bring the LyFS partition back: both superblocks are gone.
  lyfs::MemoryDevice device(cards["card"].bytes, true);
  ASSERT_TRUE(lyfs::WritePartitionTable(device, before));
  EXPECT_EQ(QX_LyFS_Check_LyFS_partition("card"), 0);
}

TEST(PartitionCallsTest, TheFormatRefusesWhatItCannotLayOut) {
  TestCards cards;
  cards.Add("card", 32 * kMiB);
  ASSERT_EQ(MakeLyfsCard("card", SmallSplit()), LYFS_OK);
  const auto good = lyfs::EncodeFolderSplit(SmallSplit());
  EXPECT_EQ(QX_LyFS_Format("card", "other", 2, 2, good.data(), 0), LYFS_ERROR_ARGUMENT);
  EXPECT_EQ(QX_LyFS_Format("card", "card", 2, 1, good.data(), 0), LYFS_ERROR_ARGUMENT);
  EXPECT_EQ(QX_LyFS_Format("card", "card", 1, 2, good.data(), 0), LYFS_ERROR_ARGUMENT);  // FAT
  EXPECT_EQ(QX_LyFS_Format("card", "card", 5, 2, good.data(), 0), LYFS_ERROR_ARGUMENT);
  EXPECT_EQ(QX_LyFS_Format("card", "card", 2, 2, nullptr, 0), LYFS_ERROR_ARGUMENT);

  const auto refused = [](std::vector<lyfs::FolderSplitEntry> split, int count = -1) {
    auto block = lyfs::EncodeFolderSplit(split);
    if (count >= 0) block[0] = static_cast<uint8_t>(count);
    return QX_LyFS_Format("card", "card", 2, 2, block.data(), 0) == LYFS_ERROR_ARGUMENT;
  };
  EXPECT_TRUE(refused(SmallSplit(), 0));
  EXPECT_TRUE(refused(SmallSplit(), 4));  // would read past the 232-byte block
  EXPECT_TRUE(refused({{"A", 60, 10, 5}, {"B", 50, 10, 5}}));
  EXPECT_TRUE(refused({{"A", 50, 10, 5}, {"A", 50, 10, 5}}));
  EXPECT_TRUE(refused({{"A/B", 50, 10, 5}}));
  EXPECT_TRUE(refused({{"A", 0, 10, 5}}));
  EXPECT_TRUE(refused({{"A", 50, 0, 5}}));
  EXPECT_TRUE(refused({{"A", 50, 10, 11}}));
  auto unterminated = lyfs::EncodeFolderSplit(SmallSplit());
  std::memset(unterminated.data() + 1, 'N', 64);
  EXPECT_EQ(QX_LyFS_Format("card", "card", 2, 2, unterminated.data(), 0), LYFS_ERROR_ARGUMENT);
  EXPECT_EQ(QX_LyFS_Check_LyFS_partition("card"), 1);  // nothing was touched

  // A partition too small for one cluster per area.
  cards.Add("tiny", 2 * kMiB);
  lyfs::MemoryDevice tiny(cards["tiny"].bytes, true);
  lyfs::PartitionTable table;
  table[1] = {0xDA, 2048, 16};
  ASSERT_TRUE(lyfs::WritePartitionTable(tiny, table));
  EXPECT_EQ(QX_LyFS_Format("tiny", "tiny", 2, 2, good.data(), 0), LYFS_ERROR_NO_SPACE);
}

}  // namespace
}  // namespace vantrel::test
