// Opening a whole disk through the desktop's disk service, for a user who may not open its device
// node: the service checks the user's right (and may ask for it) and hands back a descriptor.
// Qt-free, so the card reader can use it; the adapter is udisks_disk_access.h.
#pragma once

#include <string>

namespace vantrel::platform {

enum class DiskAccessOutcome {
  kOpened,
  kNotAuthorized,  // the service refused this user (or the user dismissed its question)
  kFailed,         // no service, no such disk, or the disk itself failed (write-protected, gone)
};

struct DiskAccessResult {
  DiskAccessOutcome outcome = DiskAccessOutcome::kFailed;
  int fd = -1;         // when opened; the caller owns it
  std::string detail;  // the service's own words when it did not open the disk
};

class DiskAccessBroker {
 public:
  DiskAccessBroker() = default;
  DiskAccessBroker(const DiskAccessBroker&) = delete;
  DiskAccessBroker& operator=(const DiskAccessBroker&) = delete;
  virtual ~DiskAccessBroker() = default;

  // Blocks while the service asks the user. Safe to call from any thread.
  virtual DiskAccessResult OpenDisk(const std::string& device_path, bool writable) = 0;
};

}  // namespace vantrel::platform
