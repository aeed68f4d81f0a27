#include "platform/udev_monitor.h"

#include <libudev.h>

#include <QObject>
#include <QSocketNotifier>

namespace vantrel::platform {

struct UdevBlockMonitor::Parts {
  ~Parts() {
    notifier.reset();  // before the socket it watches goes away
    if (monitor != nullptr) udev_monitor_unref(monitor);
    if (context != nullptr) udev_unref(context);
  }

  struct udev* context = nullptr;
  udev_monitor* monitor = nullptr;
  std::unique_ptr<QSocketNotifier> notifier;
};

UdevBlockMonitor::UdevBlockMonitor(std::function<void()> changed)
    : parts_(std::make_unique<Parts>()) {
  parts_->context = udev_new();
  if (parts_->context == nullptr) return;
  // "udev", not "kernel": the news comes after udev has written the device's record.
  parts_->monitor = udev_monitor_new_from_netlink(parts_->context, "udev");
  if (parts_->monitor == nullptr ||
      udev_monitor_filter_add_match_subsystem_devtype(parts_->monitor, "block", nullptr) < 0 ||
      udev_monitor_enable_receiving(parts_->monitor) < 0) {
    return;
  }
  const int socket = udev_monitor_get_fd(parts_->monitor);
  if (socket < 0) return;
  parts_->notifier = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read);
  udev_monitor* monitor = parts_->monitor;
  QObject::connect(parts_->notifier.get(), &QSocketNotifier::activated,
                   [monitor, changed = std::move(changed)] {
                     // Only that something changed matters; the volumes are read afresh.
                     if (udev_device* device = udev_monitor_receive_device(monitor)) {
                       udev_device_unref(device);
                       changed();
                     }
                   });
}

UdevBlockMonitor::~UdevBlockMonitor() = default;

bool UdevBlockMonitor::active() const { return parts_->notifier != nullptr; }

}  // namespace vantrel::platform
