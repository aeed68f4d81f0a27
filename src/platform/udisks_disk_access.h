// Disks opened by udisks2 (org.freedesktop.UDisks2) over D-Bus, as the desktop's disk tools do:
// Manager.ResolveDevice finds the disk's object, Block.OpenDevice opens it and passes the
// descriptor back; polkit decides, and may ask the user, whether this user may.
#pragma once

#include <string>

#include "platform/disk_access.h"

namespace vantrel::platform {

class UdisksDiskAccess : public DiskAccessBroker {
 public:
  // The system bus, where udisks2 lives; tests give the address of a private bus instead.
  explicit UdisksDiskAccess(std::string bus_address = {});

  DiskAccessResult OpenDisk(const std::string& device_path, bool writable) override;

 private:
  std::string bus_address_;
};

}  // namespace vantrel::platform
