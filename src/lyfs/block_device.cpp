#include "lyfs/block_device.h"

namespace vantrel::lyfs {

bool BlockDevice::Read(uint64_t offset, void* data, size_t count) {
  if (!InBounds(offset, count, size())) return false;
  return count == 0 || ReadInside(offset, data, count);
}

bool BlockDevice::Write(uint64_t offset, const void* data, size_t count) {
  if (!writable() || !InBounds(offset, count, size())) return false;
  return count == 0 || WriteInside(offset, data, count);
}

}  // namespace vantrel::lyfs
