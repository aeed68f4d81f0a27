#include <gtest/gtest.h>

#include "platform/sysfs_block.h"
#include "platform/volume_labels.h"
#include "temp_dir.h"
#include "volume_fixture.h"

namespace vantrel::platform {
namespace {

using test::FakeDisk;

FakeDisk Mmc(const std::string& name, unsigned minor, const std::string& type) {
  FakeDisk disk = test::MakeDisk(name, 179, minor);
  disk.mmc_type = type;
  return disk;
}

const FakeDisk kUsbCard = test::MakeDisk("sdb", 8, 16, "1");
const FakeDisk kSdCard = Mmc("mmcblk0", 0, "SD");
const FakeDisk kEmmc = Mmc("mmcblk1", 8, "MMC");
const FakeDisk kNvme = test::MakeDisk("nvme0n1", 259, 0);
const FakeDisk kLoop = test::MakeDisk("loop0", 7, 0);

class BlockDeviceTest : public ::testing::Test {
 protected:
  BlockDeviceTest() : tree_(dir_.path()) {}

  test::TempDir dir_;
  test::FakeSystemTree tree_;
};

TEST_F(BlockDeviceTest, PartitionsMapToTheirWholeDisk) {
  tree_.AddDisk(kUsbCard);
  tree_.AddPartition(kUsbCard, "sdb1", 17);
  tree_.AddDisk(kSdCard);
  tree_.AddPartition(kSdCard, "mmcblk0p1", 1);
  tree_.AddDisk(kEmmc);
  tree_.AddDisk(kNvme);
  tree_.AddPartition(kNvme, "nvme0n1p2", 2);
  tree_.AddDisk(kLoop);

  const auto sdb1 = DescribeBlockDevice(tree_.files(), 8, 17, "/dev/sdb1");
  ASSERT_TRUE(sdb1);
  EXPECT_EQ(sdb1->partition_name, "sdb1");
  EXPECT_EQ(sdb1->partition_path, "/dev/sdb1");
  EXPECT_EQ(sdb1->device_path, "/dev/sdb");
  EXPECT_TRUE(sdb1->removable);
  EXPECT_EQ(sdb1->bytes_per_sector, 512u);
  const auto sd = DescribeBlockDevice(tree_.files(), 179, 1, "/dev/mmcblk0p1");
  EXPECT_EQ(sd->device_path, "/dev/mmcblk0");
  // The kernel never flags MMC devices removable; an SD card still is one, built-in eMMC is not.
  EXPECT_TRUE(sd->removable);
  EXPECT_FALSE(DescribeBlockDevice(tree_.files(), 179, 8, "")->removable);
  const auto nvme = DescribeBlockDevice(tree_.files(), 259, 2, "/dev/root");
  EXPECT_EQ(nvme->device_path, "/dev/nvme0n1");
  EXPECT_FALSE(nvme->removable);
  // A loop device carries its file system without a partition table: it is its own disk.
  const auto loop = DescribeBlockDevice(tree_.files(), 7, 0, "/dev/loop0");
  EXPECT_EQ(loop->partition_path, "/dev/loop0");
  EXPECT_EQ(loop->device_path, "/dev/loop0");

  // FUSE file systems (exFAT, NTFS) report no device numbers; the source names the device,
  // also through a link such as udev's by-uuid ones.
  EXPECT_EQ(DescribeBlockDevice(tree_.files(), 0, 51, "/dev/sdb1")->device_path, "/dev/sdb");
  ASSERT_TRUE(test::WriteFile(dir_.path() / "dev/sdb1", ""));
  std::filesystem::create_directories(dir_.path() / "dev/disk/by-uuid");
  std::filesystem::create_symlink("../../sdb1", dir_.path() / "dev/disk/by-uuid/1234-ABCD");
  const auto by_uuid = DescribeBlockDevice(tree_.files(), 0, 52, "/dev/disk/by-uuid/1234-ABCD");
  ASSERT_TRUE(by_uuid);
  EXPECT_EQ(by_uuid->partition_name, "sdb1");
}

TEST_F(BlockDeviceTest, NoMediumOrNoReadableSizeMeansNoSectors) {
  tree_.AddDisk(kUsbCard);
  const std::string folder = "/sys/devices/" + kUsbCard.bus + "/block/sdb";
  const std::pair<const char*, const char*> cases[] = {
      {"31116288", "4096"},        {"0", "512"},  // a card reader with the card taken out
      {"31116288", "0"},           {"31116288", "abc"}, {"31116288", "-512"},
      {"31116288", "99999999999"}, {"", "512"}};
  for (const auto& [size, block] : cases) {
    tree_.WriteAttribute(folder + "/size", size);
    tree_.WriteAttribute(folder + "/queue/logical_block_size", block);
    const uint32_t expected = std::string(block) == "4096" ? 4096 : 0;
    EXPECT_EQ(DescribeBlockDevice(tree_.files(), 8, 16, "")->bytes_per_sector, expected)
        << size << " " << block;
  }
  std::filesystem::remove(dir_.path() / (folder.substr(1) + "/size"));
  EXPECT_EQ(DescribeBlockDevice(tree_.files(), 8, 16, "")->bytes_per_sector, 0u);
}

TEST_F(BlockDeviceTest, UnknownOrEscapingDevicesAreNotDescribed) {
  tree_.AddDisk(kUsbCard);
  EXPECT_FALSE(DescribeBlockDevice(tree_.files(), 8, 99, "/dev/sdb"));       // no such numbers
  EXPECT_FALSE(DescribeBlockDevice(tree_.files(), 0, 40, "server:/share"));  // network
  EXPECT_FALSE(DescribeBlockDevice(tree_.files(), 0, 40, "/dev/.."));
  EXPECT_FALSE(DescribeBlockDevice(tree_.files(), 0, 40, "/dev/"));
  // A link that leads out of the tree is as good as missing.
  std::filesystem::create_symlink("/", dir_.path() / "sys/dev/block/8:48");
  std::filesystem::create_symlink("../../../..", dir_.path() / "sys/class/block/sdx");
  EXPECT_FALSE(DescribeBlockDevice(tree_.files(), 8, 48, ""));
  EXPECT_FALSE(DescribeBlockDevice(tree_.files(), 0, 40, "/dev/sdx"));
  EXPECT_EQ(DeviceNodePath("cciss!c0d0"), "/dev/cciss/c0d0");
}

TEST_F(BlockDeviceTest, DisksBeneathFollowStackingAndStopOnLoops) {
  tree_.AddDisk(kNvme);
  tree_.AddPartition(kNvme, "nvme0n1p3", 3);
  tree_.AddStackedDisk("dm-0", 253, 0, "nvme0n1p3");
  EXPECT_EQ(DisksBeneath(tree_.files(), "dm-0"), (std::vector<std::string>{"dm-0", "nvme0n1"}));
  tree_.AddStackedDisk("dm-1", 253, 1, "dm-2");
  tree_.AddStackedDisk("dm-2", 253, 2, "dm-1");
  EXPECT_EQ(DisksBeneath(tree_.files(), "dm-1"), (std::vector<std::string>{"dm-1", "dm-2"}));
  EXPECT_TRUE(DisksBeneath(tree_.files(), "..").empty());
}

TEST(VolumeLabels, LinksNameTheirDevicesWithUdevEscapesUndone) {
  EXPECT_EQ(DecodeLabelLinkName("A\\x2fB\\x5c"), "A/B\\");
  EXPECT_EQ(DecodeLabelLinkName("bad\\xZZ cut\\x2"), "bad\\xZZ cut\\x2");
  EXPECT_EQ(DecodeLabelLinkName("nul\\x00"), "nul\\x00");

  test::TempDir dir;
  test::FakeSystemTree tree(dir.path());
  EXPECT_TRUE(ReadVolumeLabels(tree.files()).empty());  // no by-label folder at all
  tree.AddLabel("CARD\\x201", "sdb1");
  tree.AddLabel("\xEB\xB8\x94\xEB\x9E\x99", "mmcblk0p1");  // UTF-8 stays as it is
  ASSERT_TRUE(test::WriteFile(dir.path() / "dev/disk/by-label/stray", "not a link"));
  EXPECT_EQ(ReadVolumeLabels(tree.files()),
            (std::map<std::string, std::string>{{"sdb1", "CARD 1"},
                                                {"mmcblk0p1", "\xEB\xB8\x94\xEB\x9E\x99"}}));
}

TEST_F(BlockDeviceTest, LyfsPartitionIsToldByTheUdevRecordsOfTheDisksPartitions) {
  tree_.AddDisk(kSdCard);
  tree_.AddPartition(kSdCard, "mmcblk0p1", 1);
  tree_.AddPartition(kSdCard, "mmcblk0p2", 2);
  // Without udev's records nothing is known: the disk is not guessed FAT.
  EXPECT_EQ(DescribeBlockDevice(tree_.files(), 179, 1, "")->lyfs_partition, std::nullopt);

  tree_.AddUdevRecord(179, 0, "ID_PART_TABLE_TYPE=dos");
  tree_.AddUdevRecord(179, 1, "ID_PART_ENTRY_TYPE=0xc\nID_FS_TYPE=vfat");
  EXPECT_EQ(DescribeBlockDevice(tree_.files(), 179, 1, "")->lyfs_partition, false);
  // A line that is no property, or a type that only begins like LyFS's, changes nothing.
  tree_.AddUdevRecord(179, 2, "ID_PART_ENTRY_TYPE=0xdab\n=0xda\nID_PART_ENTRY_TYPE");
  EXPECT_EQ(DescribeBlockDevice(tree_.files(), 179, 1, "")->lyfs_partition, false);
  // The partition that is not mounted decides it, in either case of letters.
  tree_.AddUdevRecord(179, 2, "ID_PART_ENTRY_SCHEME=dos\nID_PART_ENTRY_TYPE=0xDA");
  EXPECT_EQ(DescribeBlockDevice(tree_.files(), 179, 1, "")->lyfs_partition, true);
}

}  // namespace
}  // namespace vantrel::platform
