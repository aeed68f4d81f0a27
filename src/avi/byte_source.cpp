#include "avi/byte_source.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "files/input_file.h"

namespace vantrel::avi {

std::unique_ptr<FileByteSource> FileByteSource::Open(const std::string& path) {
  std::string why;
  uint64_t size = 0;
  const int descriptor = files::OpenInput(path, files::InputKind::kRegularFile, &why, &size);
  if (descriptor < 0) return nullptr;
  return std::unique_ptr<FileByteSource>(new FileByteSource(descriptor, size));
}

FileByteSource::~FileByteSource() { ::close(descriptor_); }

size_t FileByteSource::ReadAt(uint64_t offset, void* buffer, size_t size) {
  if (offset >= size_) return 0;
  size = static_cast<size_t>(std::min<uint64_t>(size, size_ - offset));
  size_t done = 0;
  while (done < size) {
    const ssize_t got = ::pread(descriptor_, static_cast<char*>(buffer) + done, size - done,
                                static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<size_t>(got);
  }
  return done;
}

size_t MemoryByteSource::ReadAt(uint64_t offset, void* buffer, size_t size) {
  if (offset >= bytes_.size()) return 0;
  size = static_cast<size_t>(std::min<uint64_t>(size, bytes_.size() - offset));
  if (size > 0) std::memcpy(buffer, bytes_.data() + offset, size);  // an empty read may have no buffer
  return size;
}

}  // namespace vantrel::avi
