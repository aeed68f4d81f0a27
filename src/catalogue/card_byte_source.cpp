#include "catalogue/card_byte_source.h"

#include <algorithm>

#include "lyfs/file_access.h"

namespace vantrel {

std::unique_ptr<LyfsFileByteSource> LyfsFileByteSource::Open(const LyfsDeviceBlock& device,
                                                             int32_t file_id,
                                                             const std::string& name) {
  if (file_id < 1) return nullptr;
  LyfsDeviceBlock block = device;
  const int handle = QX_LyFS_File_Open(block.bytes.data(), name.c_str(), "r", 0, 0, file_id);
  if (handle <= 0) return nullptr;
  const auto facts = lyfs::StatFile(block.bytes.data(), handle);
  if (!facts || facts->id != file_id) {
    QX_LyFS_File_Close(block.bytes.data(), handle);
    return nullptr;
  }
  return std::unique_ptr<LyfsFileByteSource>(new LyfsFileByteSource(block, handle, facts->size));
}

LyfsFileByteSource::~LyfsFileByteSource() { QX_LyFS_File_Close(device_.bytes.data(), handle_); }

size_t LyfsFileByteSource::ReadAt(uint64_t offset, void* buffer, size_t size) {
  if (offset >= size_) return 0;
  size = static_cast<size_t>(std::min<uint64_t>(size, size_ - offset));
  auto* bytes = static_cast<uint8_t*>(buffer);
  size_t done = 0;
  while (done < size) {
    const int64_t got =
        lyfs::ReadFileAt(device_.bytes.data(), handle_, offset + done, bytes + done, size - done);
    // The end of the file, a failing card or a closed device: what was read so far.
    if (got <= 0) break;
    done += std::min(static_cast<size_t>(got), size - done);
  }
  return done;
}

std::unique_ptr<avi::ByteSource> OpenLyfsCardSource(intptr_t device, int32_t value,
                                                    const std::string& path) {
  const std::optional<LyfsDeviceBlock> block = OpenLyfsDeviceAt(device);
  if (!block) return nullptr;
  return LyfsFileByteSource::Open(*block, value, path);
}

}  // namespace vantrel
