#include "catalogue/drive_probe.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "lyfs/lyfs.h"

namespace vantrel {

std::optional<std::string> PhysicalDriveNumber(const platform::Volume& volume) {
  if (volume.system_disk || volume.device_path.empty()) return std::nullopt;
  return volume.device_path;
}

bool IsDiskPath(const std::string& device_path) {
  struct stat info {};
  return ::stat(device_path.c_str(), &info) == 0 &&
         (S_ISBLK(info.st_mode) || S_ISREG(info.st_mode));
}

bool CanOpenForWriting(const std::string& device_path) {
  if (!IsDiskPath(device_path)) return false;
  // Not blocking and no controlling terminal: should the path be replaced by something else
  // after the check, it must not stall the probe or take over the terminal before it is refused.
  const int descriptor = ::open(device_path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (descriptor < 0) return false;
  struct stat info {};
  const bool disk =
      ::fstat(descriptor, &info) == 0 && (S_ISBLK(info.st_mode) || S_ISREG(info.st_mode));
  ::close(descriptor);
  return disk;
}

bool ProbeLyfsDrive(const platform::Volume& volume, int32_t drive_index, SourceRecord* record) {
  const std::optional<std::string> disk = PhysicalDriveNumber(volume);
  if (!disk) return false;
  // The library opens the disk only when udev does not know its partitions; what it opens must
  // be a disk or an image, looked at first.
  if (!volume.lyfs_partition && !IsDiskPath(*disk)) return false;
  const bool lyfs = volume.lyfs_partition ? *volume.lyfs_partition
                                          : QX_LyFS_Check_LyFS_partition(disk->c_str()) != 0;
  record->drive_index = drive_index;
  record->root = volume.root;
  record->device_path = *disk;
  record->kind = lyfs ? SourceKind::kLyfsCard : SourceKind::kFatCard;
  return true;
}

}  // namespace vantrel
