#include "tools/output_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace vantrel::tools {

namespace {

constexpr size_t kBufferSize = 1 << 20;
// The kernel copies page by page: it is the faster way only when the two files' pages line up
// (measured on ext4: at unequal offsets within a page it costs a third more than reading into
// the buffer and writing the buffer out), and only for a range worth a system call of its own.
constexpr uint64_t kPageSize = 4096;
constexpr uint64_t kSmallestKernelCopy = 256 * 1024;

// Errors that say only that this pair of files cannot be copied in the kernel.
bool KernelCopyUnsupported(int error) {
  return error == EXDEV || error == ENOSYS || error == EOPNOTSUPP || error == EINVAL ||
         error == EBADF || error == ETXTBSY;
}

}  // namespace

OutputFile::OutputFile(const std::string& path)
    : descriptor_(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644)) {}

OutputFile::~OutputFile() {
  if (descriptor_ >= 0) Close();
}

bool OutputFile::WriteAll(const uint8_t* data, size_t size) {
  while (size > 0 && !failed_) {
    const ssize_t done = ::write(descriptor_, data, size);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0)
      failed_ = true;
    else {
      data += done;
      size -= static_cast<size_t>(done);
    }
  }
  return !failed_;
}

bool OutputFile::Flush() {
  const size_t used = used_;
  used_ = 0;
  return WriteAll(buffer_.data(), used);
}

bool OutputFile::Append(const void* data, size_t size) {
  if (descriptor_ < 0 || failed_) return false;
  size_ += size;
  if (buffer_.empty()) buffer_.resize(kBufferSize);
  const auto* bytes = static_cast<const uint8_t*>(data);
  if (used_ + size > buffer_.size() && !Flush()) return false;
  if (size >= buffer_.size()) return WriteAll(bytes, size);
  std::memcpy(buffer_.data() + used_, bytes, size);
  used_ += size;
  return true;
}

bool OutputFile::CopyThroughBuffer(int from, uint64_t offset, uint64_t size) {
  if (buffer_.empty()) buffer_.resize(kBufferSize);
  while (size > 0) {
    if (used_ == buffer_.size() && !Flush()) return false;
    const size_t room = static_cast<size_t>(std::min<uint64_t>(buffer_.size() - used_, size));
    const ssize_t got = ::pread(from, buffer_.data() + used_, room, static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    used_ += static_cast<size_t>(got);
    size_ += static_cast<uint64_t>(got);
    offset += static_cast<uint64_t>(got);
    size -= static_cast<uint64_t>(got);
  }
  return true;
}

bool OutputFile::AppendRange(int from, uint64_t offset, uint64_t size, size_t piece) {
  if (descriptor_ < 0 || failed_) return false;
  const bool in_kernel =
      in_kernel_ && size >= kSmallestKernelCopy && offset % kPageSize == size_ % kPageSize;
  if (in_kernel && !Flush()) return false;
  while (size > 0 && in_kernel && in_kernel_) {
    auto from_offset = static_cast<off_t>(offset);
    const ssize_t done = ::copy_file_range(from, &from_offset, descriptor_, nullptr,
                                           static_cast<size_t>(std::min<uint64_t>(size, piece)), 0);
    if (done < 0 && errno == EINTR) continue;
    if (done < 0 && KernelCopyUnsupported(errno)) {
      in_kernel_ = false;  // the rest, and later ranges, go through the buffer
      break;
    }
    if (done <= 0) return false;
    offset += static_cast<uint64_t>(done);
    size -= static_cast<uint64_t>(done);
    size_ += static_cast<uint64_t>(done);
  }
  return size == 0 || CopyThroughBuffer(from, offset, size);
}

void OutputFile::Discard() {
  used_ = 0;
  size_ = 0;
  if (descriptor_ >= 0 && ::ftruncate(descriptor_, 0) != 0) failed_ = true;
}

bool OutputFile::Close() {
  if (descriptor_ < 0) return false;
  const bool flushed = Flush();
  const int descriptor = descriptor_;
  descriptor_ = -1;
  return ::close(descriptor) == 0 && flushed;
}

}  // namespace vantrel::tools
