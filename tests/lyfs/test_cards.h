// In-memory cards for the LyFS tests: while a TestCards lives, the device paths it was given
// resolve to byte arrays held here (other paths to files as usual), and each card can refuse
// writes or be write-protected.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "lyfs/device_opener.h"
#include "lyfs/file_device.h"
#include "lyfs/memory_device.h"

namespace vantrel::test {

// Says whether a write of `count` bytes at `offset` fails.
using WriteFault = std::function<bool(uint64_t offset, size_t count)>;

class FaultyDevice : public lyfs::MemoryDevice {
 public:
  FaultyDevice(std::shared_ptr<std::vector<uint8_t>> bytes, bool writable, WriteFault fault)
      : MemoryDevice(std::move(bytes), writable), fault_(std::move(fault)) {}

 protected:
  bool WriteInside(uint64_t offset, const void* data, size_t count) override {
    if (fault_ && fault_(offset, count)) return false;
    return MemoryDevice::WriteInside(offset, data, count);
  }

 private:
  WriteFault fault_;
};

class TestCards {
 public:
  struct Card {
    std::shared_ptr<std::vector<uint8_t>> bytes;
    bool write_protected = false;
    WriteFault fault;
  };

  TestCards() {
    previous_ = lyfs::SetDeviceOpener(
        [this](const std::string& path, bool writable) -> std::unique_ptr<lyfs::BlockDevice> {
          const auto found = cards_.find(path);
          if (found == cards_.end()) return lyfs::OpenFileDevice(path, writable);
          if (writable && found->second.write_protected) return nullptr;
          return std::make_unique<FaultyDevice>(found->second.bytes, writable, found->second.fault);
        });
  }
  ~TestCards() { lyfs::SetDeviceOpener(std::move(previous_)); }
  TestCards(const TestCards&) = delete;
  TestCards& operator=(const TestCards&) = delete;

  // A zeroed card of `size` bytes at `path`.
  Card& Add(const std::string& path, uint64_t size) {
    Card& card = cards_[path];
    card.bytes = std::make_shared<std::vector<uint8_t>>(size);
    return card;
  }
  Card& operator[](const std::string& path) { return cards_.at(path); }

 private:
  std::map<std::string, Card> cards_;
  lyfs::DeviceOpener previous_;
};

}  // namespace vantrel::test
