#include <gtest/gtest.h>

#include "platform/sysfs_block.h"
#include "platform/volume_labels.h"
#include "temp_dir.h"
#include "volume_fixture.h"

namespace vantrel::platform {
namespace {

using test::FakeDisk;

FakeDisk UsbCard() {
  FakeDisk disk;
  disk.name = "sdb";
  disk.major = 8;
  disk.minor = 16;
  disk.removable = "1";
  return disk;
}

FakeDisk SdCard() {
  FakeDisk disk;
  disk.name = "mmcblk0";
  disk.major = 179;
  disk.minor = 0;
  disk.bus = "platform/fe320000.mmc/mmc_host/mmc0/mmc0:aaaa";
  disk.mmc_type = "SD";
  return disk;
}

FakeDisk Nvme() {
  FakeDisk disk;
  disk.name = "nvme0n1";
  disk.major = 259;
  disk.minor = 0;
  disk.bus = "pci0000:00/0000:00:1d.0/0000:3d:00.0/nvme/nvme0";
  return disk;
}

FakeDisk Loop() {
  FakeDisk disk;
  disk.name = "loop0";
  disk.major = 7;
  disk.minor = 0;
  disk.bus = "virtual";
  return disk;
}

class BlockDeviceTest : public ::testing::Test {
 protected:
  BlockDeviceTest() : tree_(dir_.path()) {}

  test::TempDir dir_;
  test::FakeSystemTree tree_;
};

TEST_F(BlockDeviceTest, PartitionsMapToTheirWholeDisk) {
  tree_.AddDisk(UsbCard());
  tree_.AddPartition(UsbCard(), "sdb1", 17);
  tree_.AddDisk(SdCard());
  tree_.AddPartition(SdCard(), "mmcblk0p1", 1);
  tree_.AddDisk(Nvme());
  tree_.AddPartition(Nvme(), "nvme0n1p2", 2);
  tree_.AddDisk(Loop());

  const auto sdb1 = DescribeBlockDevice(tree_.files(), 8, 17, "/dev/sdb1");
  ASSERT_TRUE(sdb1);
  EXPECT_EQ(sdb1->partition_name, "sdb1");
  EXPECT_EQ(sdb1->disk_name, "sdb");
  EXPECT_EQ(sdb1->partition_path, "/dev/sdb1");
  EXPECT_EQ(sdb1->device_path, "/dev/sdb");

  const auto sd = DescribeBlockDevice(tree_.files(), 179, 1, "/dev/mmcblk0p1");
  ASSERT_TRUE(sd);
  EXPECT_EQ(sd->device_path, "/dev/mmcblk0");
  const auto nvme = DescribeBlockDevice(tree_.files(), 259, 2, "/dev/root");
  ASSERT_TRUE(nvme);
  EXPECT_EQ(nvme->device_path, "/dev/nvme0n1");
  // A loop device carries its file system without a partition table: it is its own disk.
  const auto loop = DescribeBlockDevice(tree_.files(), 7, 0, "/dev/loop0");
  ASSERT_TRUE(loop);
  EXPECT_EQ(loop->partition_path, "/dev/loop0");
  EXPECT_EQ(loop->device_path, "/dev/loop0");

  // FUSE file systems (exFAT, NTFS) report no device numbers; the source names the device,
  // also through a link such as udev's by-uuid ones.
  const auto fuse = DescribeBlockDevice(tree_.files(), 0, 51, "/dev/sdb1");
  ASSERT_TRUE(fuse);
  EXPECT_EQ(fuse->device_path, "/dev/sdb");
  ASSERT_TRUE(test::WriteFile(dir_.path() / "dev/sdb1", ""));
  std::filesystem::create_directories(dir_.path() / "dev/disk/by-uuid");
  std::filesystem::create_symlink("../../sdb1", dir_.path() / "dev/disk/by-uuid/1234-ABCD");
  const auto by_uuid = DescribeBlockDevice(tree_.files(), 0, 52, "/dev/disk/by-uuid/1234-ABCD");
  ASSERT_TRUE(by_uuid);
  EXPECT_EQ(by_uuid->partition_name, "sdb1");
}

TEST_F(BlockDeviceTest, RemovableAndSectorSizeComeFromTheDisk) {
  tree_.AddDisk(UsbCard());
  tree_.AddPartition(UsbCard(), "sdb1", 17);
  FakeDisk large_sectors = UsbCard();
  large_sectors.name = "sdc";
  large_sectors.minor = 32;
  large_sectors.logical_block_size = "4096";
  tree_.AddDisk(large_sectors);
  tree_.AddDisk(SdCard());
  FakeDisk emmc = SdCard();
  emmc.name = "mmcblk1";
  emmc.minor = 8;
  emmc.mmc_type = "MMC";
  tree_.AddDisk(emmc);
  tree_.AddDisk(Nvme());

  const auto sdb1 = DescribeBlockDevice(tree_.files(), 8, 17, "");
  ASSERT_TRUE(sdb1);
  EXPECT_TRUE(sdb1->removable);
  EXPECT_EQ(sdb1->bytes_per_sector, 512u);
  EXPECT_EQ(DescribeBlockDevice(tree_.files(), 8, 32, "")->bytes_per_sector, 4096u);
  // SD cards in a built-in reader count as removable although the kernel says 0; eMMC does not.
  EXPECT_TRUE(DescribeBlockDevice(tree_.files(), 179, 0, "")->removable);
  EXPECT_FALSE(DescribeBlockDevice(tree_.files(), 179, 8, "")->removable);
  EXPECT_FALSE(DescribeBlockDevice(tree_.files(), 259, 0, "")->removable);
}

TEST_F(BlockDeviceTest, NoMediumOrNoReadableSizeMeansNoSectors) {
  FakeDisk reader = UsbCard();
  tree_.AddDisk(reader);
  const auto SectorsWith = [&](const std::string& size, const std::string& block) {
    tree_.WriteAttribute("/sys/devices/" + reader.bus + "/block/sdb/size", size);
    tree_.WriteAttribute("/sys/devices/" + reader.bus + "/block/sdb/queue/logical_block_size",
                         block);
    return DescribeBlockDevice(tree_.files(), 8, 16, "")->bytes_per_sector;
  };
  EXPECT_EQ(SectorsWith("31116288", "512"), 512u);
  EXPECT_EQ(SectorsWith("0", "512"), 0u);  // a card reader with the card taken out
  EXPECT_EQ(SectorsWith("31116288", "0"), 0u);
  EXPECT_EQ(SectorsWith("31116288", "abc"), 0u);
  EXPECT_EQ(SectorsWith("31116288", "-512"), 0u);
  EXPECT_EQ(SectorsWith("31116288", "99999999999"), 0u);
  EXPECT_EQ(SectorsWith("", "512"), 0u);
  std::filesystem::remove(dir_.path() / ("sys/devices/" + reader.bus + "/block/sdb/size"));
  EXPECT_EQ(DescribeBlockDevice(tree_.files(), 8, 16, "")->bytes_per_sector, 0u);
}

TEST_F(BlockDeviceTest, UnknownOrEscapingDevicesAreNotDescribed) {
  tree_.AddDisk(UsbCard());
  EXPECT_FALSE(DescribeBlockDevice(tree_.files(), 8, 99, "/dev/sdb"));       // no such numbers
  EXPECT_FALSE(DescribeBlockDevice(tree_.files(), 0, 40, "server:/share"));  // network
  EXPECT_FALSE(DescribeBlockDevice(tree_.files(), 0, 40, "/dev/.."));
  EXPECT_FALSE(DescribeBlockDevice(tree_.files(), 0, 40, "/dev/"));
  EXPECT_FALSE(DescribeBlockDevice(tree_.files(), 0, 40, "none"));
  // A link that leads out of the tree is as good as missing.
  std::filesystem::create_symlink("/", dir_.path() / "sys/dev/block/8:48");
  std::filesystem::create_symlink("../../../..", dir_.path() / "sys/class/block/sdx");
  EXPECT_FALSE(DescribeBlockDevice(tree_.files(), 8, 48, ""));
  EXPECT_FALSE(DescribeBlockDevice(tree_.files(), 0, 40, "/dev/sdx"));
}

TEST_F(BlockDeviceTest, DisksBeneathFollowStackingAndStopOnLoops) {
  tree_.AddDisk(Nvme());
  tree_.AddPartition(Nvme(), "nvme0n1p3", 3);
  tree_.AddStackedDisk("dm-0", 253, 0, "nvme0n1p3");
  EXPECT_EQ(DisksBeneath(tree_.files(), "dm-0"), (std::vector<std::string>{"dm-0", "nvme0n1"}));
  EXPECT_EQ(DisksBeneath(tree_.files(), "nvme0n1"), std::vector<std::string>{"nvme0n1"});

  tree_.AddStackedDisk("dm-1", 253, 1, "dm-2");
  tree_.AddStackedDisk("dm-2", 253, 2, "dm-1");
  EXPECT_EQ(DisksBeneath(tree_.files(), "dm-1"), (std::vector<std::string>{"dm-1", "dm-2"}));
  EXPECT_TRUE(DisksBeneath(tree_.files(), "..").empty());
}

TEST(BlockDeviceNames, SlashesInKernelNamesBecomeFolders) {
  EXPECT_EQ(DeviceNodePath("sdb"), "/dev/sdb");
  EXPECT_EQ(DeviceNodePath("cciss!c0d0"), "/dev/cciss/c0d0");
}

TEST(VolumeLabels, UdevEscapesAreUndone) {
  EXPECT_EQ(DecodeLabelLinkName("CARD\\x201"), "CARD 1");
  EXPECT_EQ(DecodeLabelLinkName("A\\x2fB\\x5c"), "A/B\\");
  EXPECT_EQ(DecodeLabelLinkName("\xEB\xB8\x94\xEB\x9E\x99\xEB\xB0\x95\xEC\x8A\xA4"),
            "\xEB\xB8\x94\xEB\x9E\x99\xEB\xB0\x95\xEC\x8A\xA4");  // Korean stays UTF-8
  EXPECT_EQ(DecodeLabelLinkName("bad\\xZZ"), "bad\\xZZ");
  EXPECT_EQ(DecodeLabelLinkName("cut\\x2"), "cut\\x2");
  EXPECT_EQ(DecodeLabelLinkName("nul\\x00"), "nul\\x00");
}

TEST(VolumeLabels, LinksNameTheirDevices) {
  test::TempDir dir;
  test::FakeSystemTree tree(dir.path());
  EXPECT_TRUE(ReadVolumeLabels(tree.files()).empty());  // no by-label folder at all
  tree.AddLabel("CARD\\x201", "sdb1");
  tree.AddLabel("SD", "mmcblk0p1");
  ASSERT_TRUE(test::WriteFile(dir.path() / "dev/disk/by-label/stray", "not a link"));
  const std::map<std::string, std::string> labels = ReadVolumeLabels(tree.files());
  EXPECT_EQ(labels, (std::map<std::string, std::string>{{"sdb1", "CARD 1"}, {"mmcblk0p1", "SD"}}));
}

}  // namespace
}  // namespace vantrel::platform
