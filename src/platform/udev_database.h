// What udev recorded about block devices in its database (/run/udev/data/b<major>:<minor>),
// read through the swappable root like the rest of the volume code. libudev reads the same files
// but only from the real /sys and /run, so the enumeration reads them itself and tests can lay
// out a fixture tree; the live monitor (udev_monitor.h) does use libudev.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/volume_file_root.h"

namespace vantrel::platform {

// The udev properties ("E:KEY=VALUE" lines) of a block device; none when udev keeps no record of
// it (no udev running, or the device is not yet processed).
std::optional<std::map<std::string, std::string>> ReadUdevProperties(const VolumeFileRoot& files,
                                                                     unsigned major,
                                                                     unsigned minor);

// Whether a disk (its folder under /sys/devices) holds a partition of the LyFS type 0xDA, told
// by ID_PART_ENTRY_TYPE of its partitions, so the disk need not be opened; none when udev keeps
// no record of the disk.
std::optional<bool> DiskHasLyfsPartition(const VolumeFileRoot& files, std::string_view disk_folder);

}  // namespace vantrel::platform
