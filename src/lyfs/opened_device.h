// A LyFS device block opened for the length of a scope: the tools, the simulator and the tests
// open a card, work on it and close it again at every exit.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "lyfs/lyfs.h"

namespace vantrel::lyfs {

class OpenedDevice {
 public:
  explicit OpenedDevice(const std::string& device_path, int mode = LYFS_OPEN_READ_WRITE)
      : result_(QX_LyFS_Device_Open(device_path.c_str(), mode, block_.data())) {}
  ~OpenedDevice() { Close(); }
  OpenedDevice(const OpenedDevice&) = delete;
  OpenedDevice& operator=(const OpenedDevice&) = delete;

  // LYFS_OK when the device is open, else the open call's result.
  int result() const { return result_; }
  void* block() { return block_.data(); }

  // Closes early; the destructor then does nothing. The close call's result, or
  // LYFS_ERROR_HANDLE when nothing was open.
  int Close() {
    if (result_ != LYFS_OK) return LYFS_ERROR_HANDLE;
    result_ = LYFS_ERROR_HANDLE;
    return QX_LyFS_Device_Close(block_.data());
  }

 private:
  std::array<uint8_t, LYFS_DEVICE_BLOCK_SIZE> block_{};
  int result_;
};

}  // namespace vantrel::lyfs
