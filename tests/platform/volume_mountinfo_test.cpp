#include <gtest/gtest.h>

#include "platform/mountinfo.h"

namespace vantrel::platform {
namespace {

TEST(MountInfo, ReadsFieldsAroundOptionalFieldsAndUndoesEscapes) {
  const std::vector<MountEntry> mounts = ParseMountInfo(
      "27 1 259:2 / / rw,relatime shared:1 - ext4 /dev/nvme0n1p2 rw\n"
      "88 27 8:17 / /media/user/CARD\\0401 rw,nosuid master:7 propagate_from:2 - vfat "
      "/dev/sdb1 rw,fmask=0022\n"
      "90 27 7:0 / /snap/a\\134b\\011c ro - squashfs /dev/loop0 ro");  // no final newline
  ASSERT_EQ(mounts.size(), 3u);
  EXPECT_EQ(mounts[0].mount_id, 27);
  EXPECT_EQ(mounts[0].parent_id, 1);
  EXPECT_EQ(mounts[0].major, 259u);
  EXPECT_EQ(mounts[0].minor, 2u);
  EXPECT_EQ(mounts[0].file_system, "ext4");
  EXPECT_EQ(mounts[1].mount_point, "/media/user/CARD 1");
  EXPECT_EQ(mounts[1].root, "/");
  EXPECT_EQ(mounts[1].mount_options, "rw,nosuid");
  EXPECT_EQ(mounts[1].file_system, "vfat");
  EXPECT_EQ(mounts[1].source, "/dev/sdb1");
  EXPECT_EQ(mounts[1].super_options, "rw,fmask=0022");
  EXPECT_EQ(mounts[2].mount_point, "/snap/a\\b\tc");

  // Escapes the kernel never writes stay as they are.
  EXPECT_EQ(UnescapeMountField("a\\12"), "a\\12");
  EXPECT_EQ(UnescapeMountField("a\\400b"), "a\\400b");
  EXPECT_EQ(UnescapeMountField("a\\08x"), "a\\08x");
  EXPECT_EQ(UnescapeMountField("end\\"), "end\\");
  EXPECT_EQ(UnescapeMountField("\\342\\200\\224"), "\xE2\x80\x94");
}

TEST(MountInfo, SkipsLinesThatAreNotMounts) {
  const std::vector<MountEntry> mounts = ParseMountInfo(
      "\n"
      "garbage\n"
      "1 2 8:1 / /a rw\n"                       // no separator
      "1 2 8:1 / /a rw - vfat /dev/sdb1\n"      // separator but no super options
      "1 2 8:1 / /a rw -\n"                     // nothing after the separator
      "x 2 8:1 / /a rw - vfat /dev/sdb1 rw\n"   // mount id no number
      "-3 2 8:1 / /a rw - vfat /dev/sdb1 rw\n"  // negative mount id
      "1 2 8-1 / /a rw - vfat /dev/sdb1 rw\n"   // no colon in the device numbers
      "1 2 8:1x / /a rw - vfat /dev/sdb1 rw\n"  // trailing text after the minor
      "1 2 99999999999:1 / /a rw - vfat /dev/sdb1 rw\n"
      "1 2 8:1 / relative rw - vfat /dev/sdb1 rw\n"
      "1 2 8:1 / /a\\000b rw - vfat /dev/sdb1 rw\n"  // NUL smuggled into the mount point
      "1 2 8:1 / - rw - vfat /dev/sdb1 rw\n"
      "5 2 8:1 / /good rw - vfat /dev/sdb1 rw\n");
  ASSERT_EQ(mounts.size(), 1u);
  EXPECT_EQ(mounts[0].mount_point, "/good");
}

TEST(MountInfo, OptionsMatchWholeWords) {
  EXPECT_TRUE(HasMountOption("ro", "ro"));
  EXPECT_TRUE(HasMountOption("rw,noatime,ro", "ro"));
  EXPECT_TRUE(HasMountOption("ro,noatime", "ro"));
  EXPECT_FALSE(HasMountOption("rw,errors=remount-ro", "ro"));
  EXPECT_FALSE(HasMountOption("rw,rom", "ro"));
  EXPECT_FALSE(HasMountOption("", "ro"));
}

TEST(MountInfo, CoveredMountsAreDropped) {
  const std::vector<MountEntry> mounts = DropHiddenMounts(ParseMountInfo(
      "27 1 259:2 / / rw - ext4 /dev/nvme0n1p2 rw\n"
      "40 27 8:17 / /media/card rw - vfat /dev/sdb1 rw\n"
      "41 40 8:33 / /media/card rw - vfat /dev/sdc1 rw\n"  // mounted over the first card
      "42 41 8:49 / /media/card/inner rw - vfat /dev/sdd1 rw\n"));
  ASSERT_EQ(mounts.size(), 3u);
  EXPECT_EQ(mounts[0].mount_id, 27);
  EXPECT_EQ(mounts[1].source, "/dev/sdc1");
  EXPECT_EQ(mounts[2].source, "/dev/sdd1");
}

}  // namespace
}  // namespace vantrel::platform
