#include "catalogue/lyfs_device.h"

#include <map>
#include <mutex>

namespace vantrel {

namespace {

struct OpenBlocks {
  std::mutex lock;
  std::map<const LyfsDeviceBlock*, intptr_t> blocks;  // each with the value it was opened under
  intptr_t last_value = 0;
};

OpenBlocks& Open() {
  static OpenBlocks open;
  return open;
}

// Forgets the block first, so that no new card source can copy it, then closes the device:
// sources made before it was closed now find their handles gone and read nothing.
void CloseLyfsDevice(LyfsDeviceBlock* block) {
  if (block == nullptr) return;
  {
    std::lock_guard<std::mutex> hold(Open().lock);
    Open().blocks.erase(block);
  }
  QX_LyFS_Device_Close(block->bytes.data());
  delete block;
}

}  // namespace

LyfsDeviceHandle OpenLyfsDevice(const std::string& device_path, int* result) {
  LyfsDeviceHandle device(new LyfsDeviceBlock, &CloseLyfsDevice);
  int opened = QX_LyFS_Device_Open(device_path.c_str(), kLyfsOpenMode, device->bytes.data());
  // Playing and saving copies only read the card.
  if (opened != LYFS_OK) {
    device->bytes.fill(0);
    opened = QX_LyFS_Device_Open(device_path.c_str(), LYFS_OPEN_READ, device->bytes.data());
  }
  if (result != nullptr) *result = opened;
  if (opened != LYFS_OK) {
    // Nothing is open, so the block is freed without a close.
    delete device.release();
    return LyfsDeviceHandle(nullptr, &CloseLyfsDevice);
  }
  std::lock_guard<std::mutex> hold(Open().lock);
  Open().blocks.emplace(device.get(), ++Open().last_value);
  return device;
}

intptr_t LyfsDeviceValue(const LyfsDeviceBlock* block) {
  std::lock_guard<std::mutex> hold(Open().lock);
  const auto found = Open().blocks.find(block);
  return found != Open().blocks.end() ? found->second : 0;
}

std::optional<LyfsDeviceBlock> OpenLyfsDeviceAt(intptr_t value) {
  std::lock_guard<std::mutex> hold(Open().lock);
  for (const auto& [block, block_value] : Open().blocks) {
    if (block_value == value) return *block;
  }
  return std::nullopt;
}

}  // namespace vantrel
