// Block devices coming, going and changing (a card put into a reader or taken out of it, a disk
// partitioned anew), as udev announces them once its database holds them. The volume watcher
// reads the volumes again on each, besides the mount table's own news, so a card's medium is seen
// as it changes and not only when it is mounted or unmounted.
//
// Create it on the thread that runs the Qt event loop; `changed` is called there.
#pragma once

#include <functional>
#include <memory>

namespace vantrel::platform {

class UdevBlockMonitor {
 public:
  explicit UdevBlockMonitor(std::function<void()> changed);
  ~UdevBlockMonitor();
  UdevBlockMonitor(const UdevBlockMonitor&) = delete;
  UdevBlockMonitor& operator=(const UdevBlockMonitor&) = delete;

  // False where udev's announcements cannot be received (no udev, a container without netlink).
  bool active() const;

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace vantrel::platform
