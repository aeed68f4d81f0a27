#include "catalogue/card_access.h"

#include <errno.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/language.h"
#include "lyfs/file_device.h"

namespace vantrel {
namespace {

constexpr uint32_t kDiskAccessTextId = 5060;

std::mutex& CurrentMutex() {
  static std::mutex mutex;
  return mutex;
}

CardAccess*& Current() {
  static CardAccess* current = nullptr;
  return current;
}

}  // namespace

std::unique_ptr<lyfs::BlockDevice> OpenDiskDirectly(const std::string& path, bool writable,
                                                    bool* refused) {
  *refused = false;
  std::unique_ptr<lyfs::BlockDevice> device = lyfs::OpenFileDevice(path, writable);
  if (device) return device;
  // Only a device node goes to the disk service: an image this user may not open is the user's
  // own business, and a write-protected card is no matter of permission.
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0 || !S_ISBLK(status.st_mode)) return nullptr;
  *refused = ::access(path.c_str(), writable ? R_OK | W_OK : R_OK) != 0 &&
             (errno == EACCES || errno == EPERM);
  return nullptr;
}

CardAccess::CardAccess(std::unique_ptr<platform::DiskAccessBroker> broker, DirectDiskOpen direct)
    : broker_(std::move(broker)), direct_(std::move(direct)) {
  previous_ = lyfs::SetDeviceOpener(
      [this](const std::string& path, bool writable) { return Open(path, writable); });
  std::lock_guard hold(CurrentMutex());
  Current() = this;
}

CardAccess::~CardAccess() {
  {
    std::lock_guard hold(CurrentMutex());
    if (Current() == this) Current() = nullptr;
  }
  lyfs::SetDeviceOpener(std::move(previous_));
}

std::unique_ptr<lyfs::BlockDevice> CardAccess::Open(const std::string& path, bool writable) {
  bool refused = false;
  std::unique_ptr<lyfs::BlockDevice> device = direct_(path, writable, &refused);
  bool asked_before = false;
  {
    std::lock_guard hold(mutex_);
    asked_before = not_authorized_.count(path) != 0;
  }
  if (!device && refused && broker_ && !(asked_before && !writable)) {
    const platform::DiskAccessResult result = broker_->OpenDisk(path, writable);
    if (result.outcome == platform::DiskAccessOutcome::kOpened) {
      device = lyfs::AdoptFileDescriptor(result.fd, writable);
    }
    std::lock_guard hold(mutex_);
    if (result.outcome == platform::DiskAccessOutcome::kNotAuthorized) {
      not_authorized_.insert(path);
    } else {
      not_authorized_.erase(path);
    }
  }
  std::lock_guard hold(mutex_);
  if (device) {
    refused_.erase(path);
    not_authorized_.erase(path);
  } else if (refused) {
    refused_.insert(path);
  }
  return device;
}

bool CardAccess::Refused(const std::string& path) const {
  std::lock_guard hold(mutex_);
  return refused_.count(path) != 0;
}

bool CardDiskRefused(const std::string& path) {
  std::lock_guard hold(CurrentMutex());
  return Current() != nullptr && Current()->Refused(path);
}

std::optional<std::string> DiskAccessMessage(int language_index, const std::string& path) {
  std::optional<std::string> text = LoadLanguageString(language_index, kDiskAccessTextId);
  if (!text) return std::nullopt;
  if (const size_t at = text->find("%s"); at != std::string::npos) text->replace(at, 2, path);
  return text;
}

}  // namespace vantrel
