// The mounted volumes of this computer, from /proc/self/mountinfo and sysfs. Poll() compares the
// volumes with those seen last and tells the listeners what arrived and what was removed;
// VolumeWatcher (volume_watcher.h) calls it whenever the mount table changes.
#pragma once

#include <vector>

#include "platform/volume_file_root.h"
#include "platform/volume_provider.h"

namespace vantrel::platform {

class LinuxVolumeProvider : public VolumeProvider {
 public:
  // Takes the volumes mounted now as the starting point for Poll().
  explicit LinuxVolumeProvider(VolumeFileRoot files = VolumeFileRoot());

  // Read afresh on every call; empty when the mount table cannot be read.
  std::vector<Volume> Volumes() override;

  // Reads the volumes again and reports the changes since the last poll. When the mount table
  // cannot be read nothing is reported and the last volumes stay the starting point, so a passing
  // read failure does not look like every card being removed. Returns whether it could read.
  bool Poll();

  const VolumeFileRoot& files() const { return files_; }

 private:
  VolumeFileRoot files_;
  std::vector<Volume> last_seen_;
};

}  // namespace vantrel::platform
