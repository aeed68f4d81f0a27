#include "tools/file_part.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "files/input_file.h"

namespace vantrel::tools {

namespace {

// How far ahead of the reads the disk is asked to read, and how much one request asks.
constexpr uint64_t kReadAhead = 8 << 20;
constexpr uint64_t kAskedAtOnce = 1 << 20;

}  // namespace

std::unique_ptr<OpenFile> OpenFile::Open(const std::string& path) {
  std::string why;
  uint64_t size = 0;
  const int descriptor = files::OpenInput(path, files::InputKind::kRegularFile, &why, &size);
  if (descriptor < 0) return nullptr;
  return std::unique_ptr<OpenFile>(new OpenFile(descriptor, size));
}

OpenFile::~OpenFile() { ::close(descriptor_); }

FilePart::FilePart(const OpenFile& file, uint64_t begin, uint64_t end)
    : descriptor_(file.descriptor()),
      begin_(std::min(begin, file.size())),
      end_(std::clamp(end, begin_, file.size())) {}

size_t FilePart::ReadAt(uint64_t offset, void* buffer, size_t size) {
  if (offset >= Size()) return 0;
  size = static_cast<size_t>(std::min<uint64_t>(size, Size() - offset));
  // Kept a stretch ahead of the reads, so the disk is reading the next stretch while this one is
  // used. Asked a piece at a time: the kernel reads no more than its read-ahead size per request.
  const uint64_t wanted = std::min(Size(), offset + size + kReadAhead);
  asked_ = std::max(asked_, offset);
  while (asked_ < wanted) {
    const uint64_t piece = std::min(kAskedAtOnce, Size() - asked_);
    ::posix_fadvise(descriptor_, static_cast<off_t>(begin_ + asked_), static_cast<off_t>(piece),
                    POSIX_FADV_WILLNEED);
    asked_ += piece;
  }
  size_t done = 0;
  while (done < size) {
    const ssize_t got = ::pread(descriptor_, static_cast<char*>(buffer) + done, size - done,
                                static_cast<off_t>(begin_ + offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<size_t>(got);
  }
  return done;
}

}  // namespace vantrel::tools
