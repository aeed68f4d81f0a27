#include <gtest/gtest.h>

#include <algorithm>

#include "platform/volume_provider_linux.h"
#include "platform/volume_scan.h"
#include "temp_dir.h"
#include "volume_fixture.h"

namespace vantrel::platform {
namespace {

using test::FakeDisk;

const char kSystemMounts[] =
    "22 27 0:21 / /proc rw,relatime - proc proc rw\n"
    "23 27 0:22 / /sys rw,relatime - sysfs sysfs rw\n"
    "25 27 0:23 / /run rw,relatime - tmpfs tmpfs rw,size=1600k\n"
    "27 1 259:2 / / rw,relatime shared:1 - ext4 /dev/nvme0n1p2 rw,errors=remount-ro\n"
    "28 27 259:1 / /boot/efi rw,relatime shared:2 - vfat /dev/nvme0n1p1 rw\n"
    "29 27 0:30 / /var/lib/docker/overlay2/x/merged rw - overlay overlay rw\n";

const char kCardMount[] =
    "88 27 8:17 / /media/user/CARD\\0401 rw,nosuid,nodev shared:40 - vfat /dev/sdb1 rw\n";

// The computer of the examples: the system on an NVMe disk, a USB card reader holding a card
// (sdb), a second reader without a card (sdc), a built-in SD slot (mmcblk0) and a loop device.
class VolumeScanTest : public ::testing::Test {
 protected:
  VolumeScanTest() : tree_(dir_.path()) {
    const FakeDisk nvme = test::MakeDisk("nvme0n1", 259, 0);
    tree_.AddDisk(nvme);
    tree_.AddPartition(nvme, "nvme0n1p1", 1);
    tree_.AddPartition(nvme, "nvme0n1p2", 2);
    const FakeDisk card = test::MakeDisk("sdb", 8, 16, "1");
    tree_.AddDisk(card);
    tree_.AddPartition(card, "sdb1", 17);
    FakeDisk empty = test::MakeDisk("sdc", 8, 32, "1");
    empty.size = "0";
    tree_.AddDisk(empty);
    tree_.AddPartition(empty, "sdc1", 33);
    FakeDisk sd = test::MakeDisk("mmcblk0", 179, 0);
    sd.mmc_type = "SD";
    tree_.AddDisk(sd);
    tree_.AddPartition(sd, "mmcblk0p1", 1);
    tree_.AddDisk(test::MakeDisk("loop0", 7, 0));
    tree_.AddLabel("CARD\\x201", "sdb1");
    tree_.AddLabel("EFI", "nvme0n1p1");
  }

  const Volume* Find(const std::vector<Volume>& volumes, const std::string& root) {
    const auto found = std::find_if(volumes.begin(), volumes.end(),
                                    [&](const Volume& volume) { return volume.root == root; });
    return found == volumes.end() ? nullptr : &*found;
  }

  test::TempDir dir_;
  test::FakeSystemTree tree_;
};

TEST_F(VolumeScanTest, DescribesEveryRealVolume) {
  tree_.SetMountInfo(std::string(kSystemMounts) + kCardMount +
                     "89 27 8:33 / /media/user/OLD rw - vfat /dev/sdc1 rw\n"
                     "90 27 179:1 / /media/user/SD rw - exfat /dev/mmcblk0p1 rw\n"
                     "91 27 7:0 / /snap/core/1 ro,nodev - squashfs /dev/loop0 ro\n"
                     "92 27 8:17 /DCIM /mnt/dcim rw - vfat /dev/sdb1 rw\n"
                     "93 27 8:17 / /mnt/card rw - vfat /dev/sdb1 rw\n");
  const std::optional<std::vector<Volume>> volumes = ScanVolumes(tree_.files());
  ASSERT_TRUE(volumes);
  std::vector<std::string> roots;
  for (const Volume& volume : *volumes) roots.push_back(volume.root);
  // Pseudo file systems and the bind mount of the card's DCIM folder are no volumes.
  EXPECT_EQ(roots,
            (std::vector<std::string>{"/", "/boot/efi/", "/media/user/CARD 1/", "/media/user/OLD/",
                                      "/media/user/SD/", "/snap/core/1/", "/mnt/card/"}));

  const Volume* system = Find(*volumes, "/");
  EXPECT_TRUE(system->system_disk);
  EXPECT_FALSE(system->read_only);  // "errors=remount-ro" is not "ro"
  EXPECT_TRUE(Find(*volumes, "/boot/efi/")->system_disk);
  EXPECT_EQ(Find(*volumes, "/boot/efi/")->label, "EFI");
  const Volume* card = Find(*volumes, "/media/user/CARD 1/");
  EXPECT_EQ(card->label, "CARD 1");
  EXPECT_EQ(card->file_system, "vfat");
  EXPECT_EQ(card->partition_path, "/dev/sdb1");
  EXPECT_EQ(card->device_path, "/dev/sdb");
  EXPECT_EQ(card->mount_id, 88);
  EXPECT_TRUE(Find(*volumes, "/snap/core/1/")->read_only);

  std::vector<std::string> cards;
  for (const Volume& volume : *volumes) {
    if (OfferableAsCard(volume)) cards.push_back(volume.root);
  }
  EXPECT_EQ(cards,
            (std::vector<std::string>{"/media/user/CARD 1/", "/media/user/SD/", "/mnt/card/"}));
}

TEST_F(VolumeScanTest, SystemDiskIsFoundThroughStackingAndOnRemovableDisks) {
  tree_.AddStackedDisk("dm-0", 253, 0, "nvme0n1p2");
  tree_.SetMountInfo(
      "27 1 253:0 / / rw - ext4 /dev/mapper/vg-root rw\n"
      "28 27 259:1 / /boot/efi rw - vfat /dev/nvme0n1p1 rw\n");
  std::vector<Volume> volumes = ScanVolumes(tree_.files()).value();
  ASSERT_EQ(volumes.size(), 2u);
  EXPECT_EQ(volumes[0].device_path, "/dev/dm-0");
  EXPECT_TRUE(volumes[0].system_disk);
  EXPECT_TRUE(volumes[1].system_disk);

  // A system started from a card: the card holds "/" and is never offered.
  tree_.SetMountInfo(
      "27 1 8:17 / / rw - ext4 /dev/sdb1 rw\n"
      "30 27 8:18 / /media/data rw - vfat /dev/sdb2 rw\n");
  volumes = ScanVolumes(tree_.files()).value();
  ASSERT_EQ(volumes.size(), 2u);
  EXPECT_TRUE(volumes[0].removable);
  EXPECT_TRUE(volumes[0].system_disk);
  EXPECT_FALSE(OfferableAsCard(volumes[0]));

  // "/" is a sub-volume of a btrfs file system: still the system volume.
  tree_.SetMountInfo("27 1 0:31 /@ / rw - btrfs /dev/nvme0n1p2 rw\n");
  volumes = ScanVolumes(tree_.files()).value();
  ASSERT_EQ(volumes.size(), 1u);
  EXPECT_TRUE(volumes[0].system_disk);
  EXPECT_EQ(volumes[0].device_path, "/dev/nvme0n1");
}

TEST_F(VolumeScanTest, MissingOrBrokenMountTable) {
  EXPECT_FALSE(ScanVolumes(tree_.files()));
  tree_.SetMountInfo("");
  EXPECT_EQ(ScanVolumes(tree_.files()).value().size(), 0u);
  tree_.SetMountInfo(std::string("\x01\x02 - - -\n") + kCardMount + "1 2 3\n");
  const std::vector<Volume> volumes = ScanVolumes(tree_.files()).value();
  ASSERT_EQ(volumes.size(), 1u);
  // No "/" in the table: nothing is the system disk, the card stays a card.
  EXPECT_TRUE(OfferableAsCard(volumes[0]));
}

TEST_F(VolumeScanTest, PollReportsWhatChangedSinceTheLastPoll) {
  tree_.SetMountInfo(kSystemMounts);
  LinuxVolumeProvider provider(tree_.files());
  std::vector<VolumeChange> heard;
  provider.AddListener([&](const VolumeChange& change) { heard.push_back(change); });
  EXPECT_TRUE(provider.Poll());
  EXPECT_TRUE(heard.empty());

  tree_.SetMountInfo(std::string(kSystemMounts) + kCardMount);
  EXPECT_TRUE(provider.Poll());
  EXPECT_EQ(heard, (std::vector<VolumeChange>{{VolumeEvent::kArrived, "/media/user/CARD 1/"}}));
  heard.clear();
  EXPECT_TRUE(provider.Poll());
  EXPECT_TRUE(heard.empty());

  // Another card mounted at the same root between two polls is a removal and an arrival.
  tree_.SetMountInfo(std::string(kSystemMounts) +
                     "95 27 8:17 / /media/user/CARD\\0401 rw - vfat /dev/sdb1 rw\n");
  EXPECT_TRUE(provider.Poll());
  EXPECT_EQ(heard, (std::vector<VolumeChange>{{VolumeEvent::kRemoved, "/media/user/CARD 1/"},
                                              {VolumeEvent::kArrived, "/media/user/CARD 1/"}}));
  heard.clear();

  // A table that cannot be read is no news; the card stays known and its removal is reported
  // once the table can be read again.
  std::filesystem::remove(dir_.path() / "proc/self/mountinfo");
  EXPECT_FALSE(provider.Poll());
  EXPECT_TRUE(heard.empty());
  tree_.SetMountInfo(kSystemMounts);
  EXPECT_TRUE(provider.Poll());
  EXPECT_EQ(heard, (std::vector<VolumeChange>{{VolumeEvent::kRemoved, "/media/user/CARD 1/"}}));
  EXPECT_EQ(provider.Volumes().size(), 2u);
}

}  // namespace
}  // namespace vantrel::platform
