// How the library's calls turn a device path into a block device. Normally files and device
// nodes (file_device.h); tests, fuzzing and the simulator put their own opener in place.
// Thread-safe.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "lyfs/block_device.h"

namespace vantrel::lyfs {

using DeviceOpener =
    std::function<std::unique_ptr<BlockDevice>(const std::string& path, bool writable)>;

// Replaces the opener and returns the one it replaces; an empty opener restores the default.
DeviceOpener SetDeviceOpener(DeviceOpener opener);

// Opens a device path through the current opener; null when it cannot be opened as asked.
std::unique_ptr<BlockDevice> OpenDevice(const std::string& path, bool writable);

}  // namespace vantrel::lyfs
