// One mounted volume as the viewer sees it: where it is mounted and which disk lies under it.
// The catalogue offers a volume as a recorder card only when OfferableAsCard() says so.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vantrel::platform {

struct Volume {
  // Mount point with a trailing "/", e.g. "/media/user/CARD 1/". Sources compare roots exactly.
  std::string root;
  // File-system label; empty when the volume has none.
  std::string label;
  // File-system type as the system names it, e.g. "vfat", "exfat", "ext4".
  std::string file_system;
  bool read_only = false;
  // The medium can be taken out: a memory card or a stick, not a fixed disk.
  bool removable = false;
  // Logical sector size of the disk; 0 when there is no medium or it cannot be read.
  uint32_t bytes_per_sector = 0;
  // The mounted block device, e.g. "/dev/sdb1"; empty when the volume is not a block device.
  std::string partition_path;
  // The whole disk the volume lies on, e.g. "/dev/sdb"; for a simulated card the card's image
  // file; empty when unknown or none.
  std::string device_path;
  // The disk holds a partition of the LyFS type, as the udev database tells without opening the
  // disk; none when that is not known (no udev record, a simulated card's image).
  std::optional<bool> lyfs_partition;
  // The disk also holds "/": never a card, whatever else it claims.
  bool system_disk = false;
  // Tells two mountings at the same root apart (a remount gets a new value); -1 when unknown.
  int mount_id = -1;
};

// Whether the volume may serve as a recorder card: removable, with a medium, on a disk of its own
// that the system does not live on.
inline bool OfferableAsCard(const Volume& volume) {
  return volume.removable && !volume.system_disk && volume.bytes_per_sector > 0 &&
         !volume.device_path.empty();
}

}  // namespace vantrel::platform
