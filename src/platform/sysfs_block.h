// What sysfs tells about the disk under a mounted block device: the whole disk a partition
// belongs to, whether its medium can be taken out and its sector size. Names read from the mount
// table are checked before they are looked up, so a source such as "/dev/../x" finds nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/volume_file_root.h"

namespace vantrel::platform {

struct BlockDiskFacts {
  // Kernel names: the mounted device ("sdb1", or "sdb" when a whole disk is mounted) and its disk.
  std::string partition_name;
  std::string disk_name;
  // Device nodes: "/dev/sdb1" and "/dev/sdb".
  std::string partition_path;
  std::string device_path;
  bool removable = false;
  // 0 when the disk reports no medium (size 0) or no readable logical block size.
  uint32_t bytes_per_sector = 0;
  // The disk holds a LyFS partition, as the udev database tells; none when udev has no record.
  std::optional<bool> lyfs_partition;
};

// Finds the device by its numbers (/sys/dev/block/MAJ:MIN) or, for file systems mounted without
// them (major 0, such as FUSE-mounted exFAT), by its source "/dev/...". nullopt when the mount is
// no block device that sysfs knows.
std::optional<BlockDiskFacts> DescribeBlockDevice(const VolumeFileRoot& files, unsigned major,
                                                  unsigned minor, std::string_view source);

// The disk itself and every disk its data lies on through device-mapper or RAID stacking
// (followed through the "slaves" folders), as kernel names.
std::vector<std::string> DisksBeneath(const VolumeFileRoot& files, std::string_view disk_name);

// The device node of a kernel block name; sysfs writes "/" in names as "!" ("cciss!c0d0").
std::string DeviceNodePath(std::string_view kernel_name);

}  // namespace vantrel::platform
