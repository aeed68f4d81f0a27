// A block device held in memory: for tests, fuzzing and simulated cards. Several devices may
// share one byte array, as several opens of the same card share its storage.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "lyfs/block_device.h"

namespace vantrel::lyfs {

class MemoryDevice : public BlockDevice {
 public:
  MemoryDevice(std::shared_ptr<std::vector<uint8_t>> bytes, bool writable)
      : bytes_(std::move(bytes)), writable_(writable) {}

  uint64_t size() const override { return bytes_->size(); }
  bool writable() const override { return writable_; }
  bool Flush() override { return true; }

 protected:
  bool ReadInside(uint64_t offset, void* data, size_t count) override;
  bool WriteInside(uint64_t offset, const void* data, size_t count) override;

 private:
  std::shared_ptr<std::vector<uint8_t>> bytes_;
  bool writable_;
};

}  // namespace vantrel::lyfs
