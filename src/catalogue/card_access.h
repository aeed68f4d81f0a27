// How the LyFS library reaches a card's whole disk for a desktop user who is not root: the device
// node directly; when this user may not open it, through the desktop's disk service (udisks2,
// where polkit may ask the user); when that is refused too, the card stays listed and the viewer
// can tell which access is missing (CardDiskRefused).
//
// One CardAccess at a time is the library's opener, from its construction to its destruction.
// Opening is thread-safe; the broker is called on the thread that opens.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>

#include "lyfs/block_device.h"
#include "lyfs/device_opener.h"
#include "platform/disk_access.h"

namespace vantrel {

// Opens a device node or image directly; *refused tells that it failed because this user lacks
// the permission (not because the disk is gone or write-protected).
using DirectDiskOpen = std::function<std::unique_ptr<lyfs::BlockDevice>(
    const std::string& path, bool writable, bool* refused)>;

// The device node as this user may open it.
std::unique_ptr<lyfs::BlockDevice> OpenDiskDirectly(const std::string& path, bool writable,
                                                    bool* refused);

class CardAccess {
 public:
  // broker may be null: then a refused device node stays refused.
  explicit CardAccess(std::unique_ptr<platform::DiskAccessBroker> broker,
                      DirectDiskOpen direct = OpenDiskDirectly);
  ~CardAccess();
  CardAccess(const CardAccess&) = delete;
  CardAccess& operator=(const CardAccess&) = delete;

  std::unique_ptr<lyfs::BlockDevice> Open(const std::string& path, bool writable);

  // Whether the last attempt to open the disk ended refused for want of access.
  bool Refused(const std::string& path) const;

 private:
  std::unique_ptr<platform::DiskAccessBroker> broker_;
  DirectDiskOpen direct_;
  lyfs::DeviceOpener previous_;
  mutable std::mutex mutex_;
  std::set<std::string> refused_;
  // Disks whose service refused this user: reading is not asked for again after writing was.
  std::set<std::string> not_authorized_;
};

// Whether the CardAccess now in place last found the disk refused; false when there is none.
bool CardDiskRefused(const std::string& path);

// What the user is told when a card's disk is refused: which access is missing and how to grant
// it, naming the disk. None when the language library cannot be read.
std::optional<std::string> DiskAccessMessage(int language_index, const std::string& path);

}  // namespace vantrel
