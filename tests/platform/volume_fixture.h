// A fake system tree for the volume tests: /proc/self/mountinfo, the parts of /sys that describe
// block devices, udev's database in /run/udev/data and /dev/disk/by-label, laid out under a
// temporary folder with the same relative links the kernel and udev make.
#pragma once

#include <filesystem>
#include <string>

#include "platform/volume_file_root.h"

namespace vantrel::test {

struct FakeDisk {
  std::string name;  // "sdb"
  unsigned major = 8;
  unsigned minor = 16;
  std::string removable = "0";
  std::string logical_block_size = "512";
  std::string size = "31116288";  // 512-byte sectors, as sysfs counts
  std::string bus = "pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0/host6/target6:0:0/6:0:0:0";
  std::string mmc_type;  // "SD" or "MMC" for an MMC device; empty otherwise
};

// A USB-attached disk; change the other fields where a test needs another kind.
FakeDisk MakeDisk(const std::string& name, unsigned major, unsigned minor,
                  const std::string& removable = "0");

class FakeSystemTree {
 public:
  explicit FakeSystemTree(const std::filesystem::path& root);

  // The disk's folder under /sys/devices with the links /sys/class/block/<name> and
  // /sys/dev/block/MAJ:MIN that lead to it.
  void AddDisk(const FakeDisk& disk);
  void AddPartition(const FakeDisk& disk, const std::string& partition, unsigned minor);
  // A device-mapper style disk whose data lies on the given block device (a "slaves" link).
  void AddStackedDisk(const std::string& name, unsigned major, unsigned minor,
                      const std::string& beneath);
  // A /dev/disk/by-label link as udev names it (already escaped) to /dev/<device>.
  void AddLabel(const std::string& link_name, const std::string& device);
  // udev's record of a block device: "E:KEY=VALUE" lines of the given properties, among the
  // other kinds of lines udev writes there.
  void AddUdevRecord(unsigned major, unsigned minor, const std::string& properties);
  void SetMountInfo(const std::string& text);
  void WriteAttribute(const std::string& absolute, const std::string& value);

  platform::VolumeFileRoot files() const { return platform::VolumeFileRoot(root_); }

 private:
  void Link(const std::string& absolute_link, const std::string& relative_target);

  std::filesystem::path root_;
};

}  // namespace vantrel::test
