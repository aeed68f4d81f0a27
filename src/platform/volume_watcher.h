// Keeps a LinuxVolumeProvider's listeners informed while the Qt event loop runs. The kernel
// marks /proc/self/mountinfo with a priority event on every mount and unmount, and udev announces
// block devices as they come, go and change (udev_monitor.h); each one makes the provider Poll().
// Where that file cannot be watched (a fake tree in tests, no /proc), a timer polls instead.
//
// Create it on the thread that runs the event loop and owns the provider; the provider must
// outlive the watcher.
#pragma once

#include <chrono>
#include <memory>

#include "platform/volume_provider_linux.h"

namespace vantrel::platform {

class VolumeWatcher {
 public:
  explicit VolumeWatcher(LinuxVolumeProvider& provider,
                         std::chrono::milliseconds poll_interval = std::chrono::seconds(2));
  ~VolumeWatcher();
  VolumeWatcher(const VolumeWatcher&) = delete;
  VolumeWatcher& operator=(const VolumeWatcher&) = delete;

  // True when the kernel's change events are used, false when the timer polls.
  bool watches_mount_table() const;

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace vantrel::platform
