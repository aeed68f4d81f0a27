// The devices and files the library has open, and the device block that names an open device
// to the caller. The block holds no pointer: a table slot, a generation that changes with every
// open, and a checksum, so a stale, forged or overwritten block is refused, never followed.
// Thread-safe: the table has its own lock and each open device its own.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "lyfs/block_device.h"
#include "lyfs/volume.h"

namespace vantrel::lyfs {

constexpr size_t kMaxOpenDevices = 16;
constexpr size_t kMaxOpenFiles = 64;  // per device

struct OpenFile {
  FileLocation at;
  uint64_t position = 0;
  bool writing = false;
};

struct DeviceSession {
  std::mutex mutex;  // held for every call on the device
  std::unique_ptr<BlockDevice> device;
  std::optional<Volume> volume;
  std::map<int, OpenFile> files;
  int next_handle = 1;
  bool closed = false;

  // A new file handle for `file`; LYFS_ERROR_LIMIT when too many are open.
  int AddFile(OpenFile file);
  // The open file of `handle`, or null.
  OpenFile* FindFile(int handle) {
    const auto found = files.find(handle);
    return found == files.end() ? nullptr : &found->second;
  }
  // Finishes files being written and forgets every handle. LYFS_OK or the first error.
  int CloseAll();
};

// Mounts `path` and fills `block` (LYFS_DEVICE_BLOCK_SIZE bytes) to name it. LYFS_OK or an error.
int OpenDeviceBlock(const std::string& path, bool writable, void* block);
// Closes the device named by `block` and clears the block.
int CloseDeviceBlock(void* block);
// Closes every open device.
void CloseAllDevices();

// Runs `call` on the device named by `block` while holding its lock; LYFS_ERROR_HANDLE when the
// block names no open device.
int WithDevice(const void* block, const std::function<int(DeviceSession&)>& call);

}  // namespace vantrel::lyfs
