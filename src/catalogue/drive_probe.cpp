#include "catalogue/drive_probe.h"

#include "lyfs/lyfs.h"

namespace vantrel {

std::optional<std::string> PhysicalDriveNumber(const platform::Volume& volume) {
  if (volume.system_disk || volume.device_path.empty()) return std::nullopt;
  return volume.device_path;
}

bool ProbeLyfsDrive(const platform::Volume& volume, int32_t drive_index, SourceRecord* record) {
  const std::optional<std::string> disk = PhysicalDriveNumber(volume);
  if (!disk) return false;
  const bool lyfs = volume.lyfs_partition ? *volume.lyfs_partition
                                          : QX_LyFS_Check_LyFS_partition(disk->c_str()) != 0;
  record->drive_index = drive_index;
  record->root = volume.root;
  record->device_path = *disk;
  record->kind = lyfs ? SourceKind::kLyfsCard : SourceKind::kFatCard;
  return true;
}

}  // namespace vantrel
