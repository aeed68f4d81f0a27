// Card images (regular files) and whole-disk device nodes as block devices.
#pragma once

#include <memory>
#include <string>

#include "lyfs/block_device.h"

namespace vantrel::lyfs {

// Opens `path` for reading, and for writing too when `writable`. Null when the path is neither a
// regular file nor a block device, cannot be opened, or writing is asked of a write-protected
// device: a block device the kernel marks read-only, or an image file without any write
// permission bit (the image's stand-in for a card's lock switch, honoured even for root).
std::unique_ptr<BlockDevice> OpenFileDevice(const std::string& path, bool writable);

// The same for a descriptor opened elsewhere (a disk handed over by the system's disk service),
// which the device then owns; `writable` must match how it was opened. Null, with the descriptor
// closed, when it is neither a regular file nor a block device or is write-protected.
std::unique_ptr<BlockDevice> AdoptFileDescriptor(int fd, bool writable);

}  // namespace vantrel::lyfs
