#include "lyfs/file_device.h"

#include <errno.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantrel::lyfs {
namespace {

class FileDevice : public BlockDevice {
 public:
  FileDevice(int fd, uint64_t size, bool writable) : fd_(fd), size_(size), writable_(writable) {}
  ~FileDevice() override { ::close(fd_); }
  FileDevice(const FileDevice&) = delete;
  FileDevice& operator=(const FileDevice&) = delete;

  uint64_t size() const override { return size_; }
  bool writable() const override { return writable_; }
  bool Flush() override { return !writable_ || ::fdatasync(fd_) == 0; }

 protected:
  bool ReadInside(uint64_t offset, void* data, size_t count) override {
    auto* bytes = static_cast<char*>(data);
    while (count > 0) {
      const ssize_t got = ::pread(fd_, bytes, count, static_cast<off_t>(offset));
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) return false;  // an image that shrank under us ends the read
      bytes += got;
      offset += static_cast<uint64_t>(got);
      count -= static_cast<size_t>(got);
    }
    return true;
  }

  bool WriteInside(uint64_t offset, const void* data, size_t count) override {
    const auto* bytes = static_cast<const char*>(data);
    while (count > 0) {
      const ssize_t put = ::pwrite(fd_, bytes, count, static_cast<off_t>(offset));
      if (put < 0 && errno == EINTR) continue;
      if (put <= 0) return false;
      bytes += put;
      offset += static_cast<uint64_t>(put);
      count -= static_cast<size_t>(put);
    }
    return true;
  }

 private:
  int fd_;
  uint64_t size_;
  bool writable_;
};

}  // namespace

std::unique_ptr<BlockDevice> OpenFileDevice(const std::string& path, bool writable) {
  struct stat status {};
  if (path.empty() || ::stat(path.c_str(), &status) != 0) return nullptr;
  const bool block_device = S_ISBLK(status.st_mode);
  if (!block_device && !S_ISREG(status.st_mode)) return nullptr;
  if (writable && !block_device && (status.st_mode & 0222) == 0) return nullptr;

  const int fd = ::open(path.c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC);
  if (fd < 0) return nullptr;
  return AdoptFileDescriptor(fd, writable);
}

std::unique_ptr<BlockDevice> AdoptFileDescriptor(int fd, bool writable) {
  if (fd < 0) return nullptr;
  struct stat status {};
  uint64_t size = 0;
  int read_only = 0;
  bool usable = ::fstat(fd, &status) == 0;
  if (usable && S_ISBLK(status.st_mode)) {
    usable = ::ioctl(fd, BLKGETSIZE64, &size) == 0;
    if (usable && writable) usable = ::ioctl(fd, BLKROGET, &read_only) == 0 && read_only == 0;
  } else if (usable && S_ISREG(status.st_mode)) {
    size = static_cast<uint64_t>(status.st_size);
  } else {
    usable = false;
  }
  if (!usable) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<FileDevice>(fd, size, writable);
}

}  // namespace vantrel::lyfs
