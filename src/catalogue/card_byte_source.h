// The bytes of a recording on an open LyFS card, for the splitter: direct playback from the card
// and the telemetry drain read through it, and it reads at any offset so both can seek. The
// splitter's card source names the device by LyfsDeviceValue and the file by its identifier
// from the card's file list; the path is the file's bare name.
//
// Not thread-safe (the splitter serialises its reads). A source outlives nothing: once its
// device is closed it reads nothing, and it never reaches a device opened after that.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "avi/byte_source.h"
#include "catalogue/lyfs_device.h"

namespace vantrel {

class LyfsFileByteSource : public avi::ByteSource {
 public:
  // Null when the device is not open, the identifier does not name a file of that name on it, or
  // the file cannot be opened.
  static std::unique_ptr<LyfsFileByteSource> Open(const LyfsDeviceBlock& device, int32_t file_id,
                                                  const std::string& name);
  ~LyfsFileByteSource() override;
  LyfsFileByteSource(const LyfsFileByteSource&) = delete;
  LyfsFileByteSource& operator=(const LyfsFileByteSource&) = delete;

  uint64_t Size() const override { return size_; }
  size_t ReadAt(uint64_t offset, void* buffer, size_t size) override;

 private:
  LyfsFileByteSource(const LyfsDeviceBlock& device, int handle, uint64_t size)
      : device_(device), handle_(handle), size_(size) {}

  LyfsDeviceBlock device_;
  int handle_;
  uint64_t size_;
};

// The splitter's card source factory: a source for file `value` named `path` on the open device
// `device`; null for anything else (a device value that names no open card, an identifier below
// 1, which marks a file on the computer).
std::unique_ptr<avi::ByteSource> OpenLyfsCardSource(intptr_t device, int32_t value,
                                                    const std::string& path);

}  // namespace vantrel
