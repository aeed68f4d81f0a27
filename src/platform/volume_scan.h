// The volumes mounted on this computer, put together from the mount table, sysfs and the label
// links. Used by the Linux provider; kept apart so it can run on a fake tree.
#pragma once

#include <optional>
#include <vector>

#include "platform/mountinfo.h"
#include "platform/volume.h"
#include "platform/volume_file_root.h"

namespace vantrel::platform {

// Reads /proc/self/mountinfo and describes every reachable mount of a real file system: pseudo
// file systems (proc, sysfs, tmpfs, overlay, ...) are left out, and so are mounts of a folder
// inside a file system (bind mounts, sub-volumes) other than "/". nullopt when the mount table
// cannot be read.
std::optional<std::vector<Volume>> ScanVolumes(const VolumeFileRoot& files);

// The same for a mount table already read.
std::vector<Volume> VolumesOfMounts(const std::vector<MountEntry>& mounts,
                                    const VolumeFileRoot& files);

}  // namespace vantrel::platform
