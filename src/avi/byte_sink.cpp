#include "avi/byte_sink.h"

#include <cstring>

namespace vantrel::avi {

FileSink::~FileSink() { Close(); }

bool FileSink::Open(const std::string& path) {
  Close();
  file_ = std::fopen(path.c_str(), "wb");
  size_ = 0;
  failed_ = file_ == nullptr;
  return file_ != nullptr;
}

bool FileSink::Close() {
  if (file_ == nullptr) return false;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  return closed && !failed_;
}

bool FileSink::Append(const void* data, size_t size) {
  if (file_ == nullptr) return false;
  if (size != 0 && std::fwrite(data, 1, size, file_) != size) {
    failed_ = true;
    return false;
  }
  size_ += size;
  return true;
}

bool FileSink::WriteAt(uint64_t offset, const void* data, size_t size) {
  if (file_ == nullptr || offset > size_ || size > size_ - offset) return false;
  const bool written = fseeko(file_, static_cast<off_t>(offset), SEEK_SET) == 0 &&
                       std::fwrite(data, 1, size, file_) == size;
  const bool back = fseeko(file_, 0, SEEK_END) == 0;
  if (!written || !back) failed_ = true;
  return written && back;
}

bool MemorySink::Append(const void* data, size_t size) {
  if (size != 0) bytes_.append(static_cast<const char*>(data), size);
  return true;
}

bool MemorySink::WriteAt(uint64_t offset, const void* data, size_t size) {
  if (offset > bytes_.size() || size > bytes_.size() - offset) return false;
  std::memcpy(bytes_.data() + offset, data, size);
  return true;
}

}  // namespace vantrel::avi
