#include "lyfs/device_opener.h"

#include <mutex>
#include <utility>

#include "lyfs/file_device.h"

namespace vantrel::lyfs {
namespace {

std::mutex& OpenerMutex() {
  static std::mutex mutex;
  return mutex;
}

DeviceOpener& CurrentOpener() {
  static DeviceOpener opener;
  return opener;
}

}  // namespace

DeviceOpener SetDeviceOpener(DeviceOpener opener) {
  std::lock_guard lock(OpenerMutex());
  return std::exchange(CurrentOpener(), std::move(opener));
}

std::unique_ptr<BlockDevice> OpenDevice(const std::string& path, bool writable) {
  DeviceOpener opener;
  {
    std::lock_guard lock(OpenerMutex());
    opener = CurrentOpener();
  }
  return opener ? opener(path, writable) : OpenFileDevice(path, writable);
}

}  // namespace vantrel::lyfs
