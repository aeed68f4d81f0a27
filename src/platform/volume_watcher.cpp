#include "platform/volume_watcher.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/vfs.h>
#include <unistd.h>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include "platform/udev_monitor.h"

namespace vantrel::platform {

struct VolumeWatcher::Parts {
  ~Parts() {
    notifier.reset();  // before the descriptor it watches goes away
    if (descriptor >= 0) close(descriptor);
  }

  int descriptor = -1;
  std::unique_ptr<QSocketNotifier> notifier;
  std::unique_ptr<UdevBlockMonitor> udev;
  std::unique_ptr<QTimer> timer;
};

VolumeWatcher::VolumeWatcher(LinuxVolumeProvider& provider, std::chrono::milliseconds poll_interval)
    : parts_(std::make_unique<Parts>()) {
  const std::string path = provider.files().Path("/proc/self/mountinfo").string();
  parts_->descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  // Only the kernel's own file signals changes; an ordinary file would never wake us.
  struct statfs about {};
  if (parts_->descriptor >= 0 && fstatfs(parts_->descriptor, &about) == 0 &&
      about.f_type == PROC_SUPER_MAGIC) {
    parts_->notifier =
        std::make_unique<QSocketNotifier>(parts_->descriptor, QSocketNotifier::Exception);
    QObject::connect(parts_->notifier.get(), &QSocketNotifier::activated,
                     [&provider] { provider.Poll(); });
    parts_->udev = std::make_unique<UdevBlockMonitor>([&provider] { provider.Poll(); });
    return;
  }
  if (parts_->descriptor >= 0) close(parts_->descriptor);
  parts_->descriptor = -1;
  parts_->timer = std::make_unique<QTimer>();
  parts_->timer->setInterval(poll_interval);
  QObject::connect(parts_->timer.get(), &QTimer::timeout, [&provider] { provider.Poll(); });
  parts_->timer->start();
}

VolumeWatcher::~VolumeWatcher() = default;

bool VolumeWatcher::watches_mount_table() const { return parts_->notifier != nullptr; }

}  // namespace vantrel::platform
