// Formatting a card as a LyFS card: partition sizes and folder splits by model, and each
// failure giving its own result code.
#include <gtest/gtest.h>

#include <filesystem>

#include "../lyfs/test_cards.h"
#include "device/lyfs_folder_split.h"
#include "device/lyfs_partition_format.h"
#include "lyfs/byte_io.h"
#include "lyfs/file_device.h"
#include "lyfs/lyfs.h"
#include "lyfs/volume.h"
#include "temp_dir.h"

namespace vantrel::test {
namespace {

constexpr uint64_t kMiB = 1 << 20;

struct Split {
  std::string name;
  uint32_t share;
  bool operator==(const Split&) const = default;
};

std::vector<Split> SplitOf(const device::LyfsFolderSplit& block) {
  std::vector<Split> split;
  for (size_t i = 0; i < block[0]; ++i) {
    const uint8_t* entry = block.data() + 1 + 77 * i;
    split.push_back({reinterpret_cast<const char*>(entry), lyfs::Load32(entry + 64)});
    EXPECT_EQ(lyfs::Load32(entry + 68), 0u);
    EXPECT_EQ(lyfs::Load32(entry + 72), 10000u);
    EXPECT_EQ(entry[76], 5);
  }
  return split;
}

TEST(LyfsFolderSplitTest, ModelAndSdAllocationChooseTheDirectoriesShares) {
  const std::vector<Split> merida{{"NORMAL", 40}, {"EVENT", 20}, {"PARKING", 40}};
  const std::vector<Split> infinite_first{{"INFINITE", 60}, {"EVENT", 20}, {"PARKING", 20}};
  const std::vector<Split> parking_first{{"INFINITE", 20}, {"EVENT", 20}, {"PARKING", 60}};
  EXPECT_EQ(SplitOf(device::BuildLyfsFolderSplit("MERIDA", 1)), merida);
  EXPECT_EQ(SplitOf(device::BuildLyfsFolderSplit("MERIDA", 100)), merida);
  EXPECT_EQ(SplitOf(device::BuildLyfsFolderSplit("KT520A", 100)), infinite_first);
  EXPECT_EQ(SplitOf(device::BuildLyfsFolderSplit("KT730A(Merida)", 0)), infinite_first);
  EXPECT_EQ(SplitOf(device::BuildLyfsFolderSplit("KT730A(Merida)", 1)), parking_first);
  EXPECT_EQ(SplitOf(device::BuildLyfsFolderSplit("KT410A", 2)), parking_first);
  EXPECT_EQ(SplitOf(device::BuildLyfsFolderSplit("merida", 100)), infinite_first);  // exact text
  const auto block = device::BuildLyfsFolderSplit("MERIDA", 100);
  EXPECT_EQ(block.size(), 232u);
  EXPECT_EQ(block[0], 3);
  EXPECT_EQ(block[1 + 77 * 2 + 7], 0);  // "PARKING" ends in NUL, rest zero
}

class LyfsPartitionFormatTest : public ::testing::Test {
 protected:
  std::string Image(uint64_t size) {
    const std::string path = temp_.File("card" + std::to_string(size) + ".img");
    EXPECT_TRUE(WriteFile(path, ""));
    std::filesystem::resize_file(path, size);
    return path;
  }
  // The partition table and, when there is one, the LyFS superblock of an image file.
  static std::optional<lyfs::FoundPartition> Inspect(const std::string& path,
                                                     lyfs::PartitionTable* table) {
    const auto device = lyfs::OpenFileDevice(path, false);
    *table = lyfs::ReadPartitionTable(*device).value_or(lyfs::PartitionTable{});
    return lyfs::FindLyfsPartition(*device);
  }

  TempDir temp_;
};

TEST_F(LyfsPartitionFormatTest, AFormattedCardHasTheModelsPartitionsAndSplit) {
  struct Case {
    const char* model;
    int sd_allocation;
    uint32_t first_mib;
    std::vector<Split> split;
  };
  const Case cases[] = {
      {"MERIDA", 100, 110, {{"NORMAL", 40}, {"EVENT", 20}, {"PARKING", 40}}},
      {"KT520A", 100, 110, {{"INFINITE", 60}, {"EVENT", 20}, {"PARKING", 20}}},
      {"KT730A(Merida)", 1, 160, {{"INFINITE", 20}, {"EVENT", 20}, {"PARKING", 60}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.model);
    const std::string image = Image(256 * kMiB);
    ASSERT_EQ(device::LyfsPartitionFormat(image, c.model, c.sd_allocation), 1000);
    EXPECT_EQ(QX_LyFS_Check_LyFS_partition(image.c_str()), 1);
    lyfs::PartitionTable table;
    const auto found = Inspect(image, &table);
    ASSERT_TRUE(found);
    EXPECT_EQ(table[0].type, 0x0C);
    EXPECT_EQ(table[0].start_sector, 2048u);
    EXPECT_EQ(table[0].sectors, c.first_mib * 2048);
    EXPECT_EQ(table[1].type, 0xDA);
    EXPECT_EQ(table[1].start_sector, table[0].end_sector());
    EXPECT_EQ(table[1].end_sector(), 256u * 2048u);  // the rest of the card
    std::vector<Split> split;
    for (const auto& area : found->superblock.areas)
      split.push_back({area.name, area.share_percent});
    EXPECT_EQ(split, c.split);
  }
}

TEST_F(LyfsPartitionFormatTest, CardsTooSmallFailWithTheirOwnCodes) {
  EXPECT_EQ(device::LyfsPartitionFormat(Image(512), "KT410A", 100), 1001);
  EXPECT_EQ(device::LyfsPartitionFormat(Image(0), "KT410A", 100), 1001);
  EXPECT_EQ(device::LyfsPartitionFormat(temp_.File("missing.img"), "KT410A", 100), 1001);

  // Smaller than partition 1: partition 1 ends with the card and partition 2 has no room; the
  // size asked for it must not wrap round to a huge number.
  for (const uint64_t size : {64 * kMiB, 111 * kMiB}) {
    SCOPED_TRACE(size);
    const std::string image = Image(size);
    EXPECT_EQ(device::LyfsPartitionFormat(image, "KT410A", 100), 1004);
    lyfs::PartitionTable table;
    EXPECT_FALSE(Inspect(image, &table));
    EXPECT_EQ(table[0].end_sector(), size / 512);
    EXPECT_EQ(table[1].type, 0);
  }
  // Just room enough for a small LyFS area.
  EXPECT_EQ(device::LyfsPartitionFormat(Image(120 * kMiB), "KT410A", 100), 1000);
}

TEST_F(LyfsPartitionFormatTest, AWriteProtectedImageCannotLoseItsPartitions) {
  const std::string image = Image(256 * kMiB);
  ASSERT_EQ(device::LyfsPartitionFormat(image, "MERIDA", 100), 1000);
  std::filesystem::permissions(image, std::filesystem::perms::owner_read);
  EXPECT_EQ(device::LyfsPartitionFormat(image, "KT410A", 100), 1002);
  EXPECT_EQ(QX_LyFS_Check_LyFS_partition(image.c_str()), 1);
}

TEST_F(LyfsPartitionFormatTest, EachFailingStepGivesItsOwnCode) {
  TestCards cards;
  // Writes to sector 0 (the partition table) succeed `table_writes` times, then fail; with
  // `other_writes` false every other write fails.
  const auto card = [&](int table_writes, bool other_writes) {
    auto counter = std::make_shared<int>(0);
    cards.Add("card", 192 * kMiB).fault = [=](uint64_t offset, size_t) {
      if (offset >= 512) return !other_writes;
      return (*counter)++ >= table_writes;
    };
    return std::string("card");
  };
  EXPECT_EQ(device::LyfsPartitionFormat(card(0, true), "KT410A", 100), 1002);
  EXPECT_EQ(device::LyfsPartitionFormat(card(1, true), "KT410A", 100), 1003);
  EXPECT_EQ(device::LyfsPartitionFormat(card(2, true), "KT410A", 100), 1004);
  EXPECT_EQ(device::LyfsPartitionFormat(card(3, false), "KT410A", 100), 1005);
  EXPECT_EQ(QX_LyFS_Check_LyFS_partition("card"), 0);
  EXPECT_EQ(device::LyfsPartitionFormat(card(3, true), "KT410A", 100), 1000);
  EXPECT_EQ(QX_LyFS_Check_LyFS_partition("card"), 1);
}

}  // namespace
}  // namespace vantrel::test
