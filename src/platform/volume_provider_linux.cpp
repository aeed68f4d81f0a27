#include "platform/volume_provider_linux.h"

#include "platform/volume_scan.h"

namespace vantrel::platform {

LinuxVolumeProvider::LinuxVolumeProvider(VolumeFileRoot files)
    : files_(std::move(files)), last_seen_(ScanVolumes(files_).value_or(std::vector<Volume>())) {}

std::vector<Volume> LinuxVolumeProvider::Volumes() {
  return ScanVolumes(files_).value_or(std::vector<Volume>());
}

bool LinuxVolumeProvider::Poll() {
  std::optional<std::vector<Volume>> now = ScanVolumes(files_);
  if (!now) return false;
  const std::vector<VolumeChange> changes = DiffVolumes(last_seen_, *now);
  last_seen_ = std::move(*now);
  Notify(changes);
  return true;
}

}  // namespace vantrel::platform
