#include "catalogue/lyfs_device.h"

#include <mutex>
#include <set>

namespace vantrel {

namespace {

struct OpenBlocks {
  std::mutex lock;
  std::set<const LyfsDeviceBlock*> blocks;
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
  Open().blocks.insert(device.get());
  return device;
}

intptr_t LyfsDeviceValue(const LyfsDeviceBlock* block) { return reinterpret_cast<intptr_t>(block); }

std::optional<LyfsDeviceBlock> OpenLyfsDeviceAt(intptr_t value) {
  std::lock_guard<std::mutex> hold(Open().lock);
  // Compared as numbers: a value that names no open block is never followed.
  for (const LyfsDeviceBlock* block : Open().blocks) {
    if (LyfsDeviceValue(block) == value) return *block;
  }
  return std::nullopt;
}

}  // namespace vantrel
