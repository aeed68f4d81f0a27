// The cards this computer offers, read from a fake system tree (mount table, sysfs and udev's
// database) as an ordinary user's viewer reads them: nothing here opens a disk.
#include <gtest/gtest.h>

#include <cctype>
#include <vector>

#include "catalogue/source_list.h"
#include "catalogue_test_support.h"
#include "platform/volume_provider_linux.h"
#include "temp_dir.h"
#include "volume_fixture.h"

namespace vantrel {
namespace {

using test::FakeDisk;

const char kMounts[] =
    "27 1 259:2 / / rw,relatime shared:1 - ext4 /dev/nvme0n1p2 rw\n"
    "28 27 259:1 / /boot/efi rw,relatime shared:2 - vfat /dev/nvme0n1p1 rw\n"
    "40 27 8:17 / /media/user/CARD rw,nosuid shared:40 - vfat /dev/sdb1 rw\n"
    "41 27 179:1 / /media/user/LYFS rw,nosuid shared:41 - vfat /dev/mmcblk0p1 rw\n"
    "42 27 8:33 / /media/user/OLD rw,nosuid shared:42 - vfat /dev/sdc1 rw\n"
    "43 27 7:0 / /media/user/IMAGE ro,nosuid shared:43 - vfat /dev/loop0 ro\n";

// The system on an NVMe disk; a USB reader with a FAT card (sdb); the SD slot with a LyFS card
// (mmcblk0: the recorder's small FAT partition is mounted, the LyFS one never is); a reader whose
// card was pulled while still mounted (sdc); a card image mounted through a loop device.
class CardSourcesUdevTest : public ::testing::Test {
 protected:
  CardSourcesUdevTest() : tree_(dir_.path()) {
    test::SetUpNames(catalogue_);
    AddPartitionedDisk(
        test::MakeDisk("nvme0n1", 259, 0), "gpt",
        {"c12a7328-f81f-11d2-ba4b-00a0c93ec93b", "0fc63daf-8483-4772-8e79-3d69d8477de4"});
    AddPartitionedDisk(test::MakeDisk("sdb", 8, 16, "1"), "dos", {"0xc"});
    FakeDisk sd = test::MakeDisk("mmcblk0", 179, 0);
    sd.mmc_type = "SD";
    AddPartitionedDisk(sd, "dos", {"0xc", "0xda"});

    FakeDisk empty = test::MakeDisk("sdc", 8, 32, "1");
    empty.size = "0";
    tree_.AddDisk(empty);
    tree_.AddPartition(empty, "sdc1", 33);
    tree_.AddUdevRecord(8, 32, "ID_BUS=usb");

    tree_.AddDisk(test::MakeDisk("loop0", 7, 0));
    tree_.AddUdevRecord(7, 0, "ID_FS_TYPE=vfat");
    tree_.SetMountInfo(kMounts);
  }

  // The disk, its partitions 1, 2, ... of the given types, and udev's records of all of them.
  void AddPartitionedDisk(const FakeDisk& disk, const std::string& table,
                          const std::vector<std::string>& types) {
    tree_.AddDisk(disk);
    tree_.AddUdevRecord(disk.major, disk.minor, "ID_PART_TABLE_TYPE=" + table);
    const std::string separator = std::isdigit(disk.name.back()) ? "p" : "";
    for (unsigned number = 1; number <= types.size(); ++number) {
      tree_.AddPartition(disk, disk.name + separator + std::to_string(number), disk.minor + number);
      tree_.AddUdevRecord(disk.major, disk.minor + number,
                          "ID_PART_ENTRY_TYPE=" + types[number - 1]);
    }
  }

  test::TempDir dir_;
  test::FakeSystemTree tree_;
  RecordingCatalogue catalogue_;
};

TEST_F(CardSourcesUdevTest, OffersTheFatAndTheLyfsCardInRootOrderThenTheComputer) {
  platform::LinuxVolumeProvider volumes(tree_.files());
  ASSERT_EQ(EnumerateSources(catalogue_, volumes), 3);
  const std::vector<SourceRecord>& sources = catalogue_.sources();
  EXPECT_EQ(sources[0].root, "/media/user/CARD/");
  EXPECT_EQ(sources[0].device_path, "/dev/sdb");
  EXPECT_EQ(sources[0].kind, SourceKind::kFatCard);
  // Roots in order: "/", "/boot/efi/", CARD, IMAGE, LYFS, OLD.
  EXPECT_EQ(sources[0].drive_index, 2);
  EXPECT_EQ(sources[1].root, "/media/user/LYFS/");
  EXPECT_EQ(sources[1].device_path, "/dev/mmcblk0");
  EXPECT_EQ(sources[1].kind, SourceKind::kLyfsCard);
  EXPECT_EQ(sources[1].drive_index, 4);
  EXPECT_EQ(sources[2].kind, SourceKind::kComputerFolder);
}

TEST_F(CardSourcesUdevTest, ACardInAReaderOnTheSystemDiskIsNeverOffered) {
  // The same SD card, but "/" now lives on it (a system started from the card).
  tree_.SetMountInfo(
      "27 1 179:1 / / rw,relatime shared:1 - ext4 /dev/mmcblk0p1 rw\n"
      "40 27 8:17 / /media/user/CARD rw,nosuid shared:40 - vfat /dev/sdb1 rw\n");
  platform::LinuxVolumeProvider volumes(tree_.files());
  ASSERT_EQ(EnumerateSources(catalogue_, volumes), 2);
  EXPECT_EQ(catalogue_.sources()[0].root, "/media/user/CARD/");
}

}  // namespace
}  // namespace vantrel
