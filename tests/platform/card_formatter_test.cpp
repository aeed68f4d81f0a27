// What the card formatters rely on in the platform: the node of a new partition 1, and the FAT
// format of an image's partition leaving the bytes around it alone.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/card_formatter_udisks.h"
#include "platform/fat_image_format.h"
#include "temp_dir.h"

namespace vantrel::test {
namespace {

TEST(CardFormatterTest, FirstPartitionNodesFollowTheKernelsNaming) {
  EXPECT_EQ(platform::FirstPartitionNode("/dev/sdb"), "/dev/sdb1");
  EXPECT_EQ(platform::FirstPartitionNode("/dev/mmcblk0"), "/dev/mmcblk0p1");
  EXPECT_EQ(platform::FirstPartitionNode("/dev/nvme0n1"), "/dev/nvme0n1p1");
}

TEST(CardFormatterTest, AnImagePartitionGetsFat32WithItsLabelAndNothingElseChanges) {
  TempDir temp;
  const std::string image = temp.File("card image.img");
  std::string bytes(48 << 20, '\x77');
  ASSERT_TRUE(WriteFile(image, bytes));
  std::string error;
  // 1 MiB in, 40 MiB long.
  ASSERT_TRUE(platform::FormatFatImagePartition(image, 2048, 81920, "KT410A", &error)) << error;
  const std::string after = ReadFile(image);
  ASSERT_EQ(after.size(), bytes.size());
  EXPECT_EQ(after.substr(0, 1 << 20), bytes.substr(0, 1 << 20));
  EXPECT_EQ(after.substr(41 << 20), bytes.substr(41 << 20));
  EXPECT_EQ(after.substr((1 << 20) + 71, 11), "KT410A     ");
  EXPECT_EQ(after.substr((1 << 20) + 82, 8), "FAT32   ");
  EXPECT_FALSE(platform::FormatFatImagePartition(temp.File("none/x.img"), 0, 81920, "A", &error));
  EXPECT_NE(error.find("mkfs.fat"), std::string::npos);
}

}  // namespace
}  // namespace vantrel::test
