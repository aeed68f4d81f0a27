#include "lyfs/memory_device.h"

#include <cstring>

namespace vantrel::lyfs {

bool MemoryDevice::ReadInside(uint64_t offset, void* data, size_t count) {
  std::memcpy(data, bytes_->data() + offset, count);
  return true;
}

bool MemoryDevice::WriteInside(uint64_t offset, const void* data, size_t count) {
  std::memcpy(bytes_->data() + offset, data, count);
  return true;
}

}  // namespace vantrel::lyfs
