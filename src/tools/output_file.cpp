#include "tools/output_file.h"

#include <limits.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace vantrel::tools {

namespace {

constexpr size_t kBufferSize = 1 << 20;
// One gathered write takes at most this many pieces.
constexpr size_t kMostPieces = IOV_MAX;

}  // namespace

OutputFile::OutputFile(const std::string& path)
    : target_(path), file_(path), descriptor_(file_.descriptor()) {}

void OutputFile::AddPiece(const void* data, size_t size) {
  if (size == 0) return;
  auto* bytes = static_cast<uint8_t*>(const_cast<void*>(data));
  if (!pieces_.empty()) {
    iovec& last = pieces_.back();
    if (static_cast<uint8_t*>(last.iov_base) + last.iov_len == bytes) {
      last.iov_len += size;  // continues the piece before it
      return;
    }
  }
  pieces_.push_back({bytes, size});
}

// Flushes first when a piece more, or `bytes` more in the buffer, would not fit.
bool OutputFile::Room(size_t pieces, size_t bytes) {
  if (pieces_.size() + pieces <= kMostPieces && used_ + bytes <= buffer_.size()) return true;
  return Flush();
}

bool OutputFile::Append(const void* data, size_t size) {
  if (descriptor_ < 0 || failed_) return false;
  if (size == 0) return true;  // an empty piece may come without a place (data null)
  if (buffer_.empty()) buffer_.resize(kBufferSize);
  if (size > buffer_.size()) {  // written at once, from where it is
    return AppendInPlace(data, size) && Flush();
  }
  if (!Room(1, size)) return false;
  std::memcpy(buffer_.data() + used_, data, size);
  AddPiece(buffer_.data() + used_, size);
  used_ += size;
  return true;
}

bool OutputFile::AppendInPlace(const void* data, size_t size) {
  if (descriptor_ < 0 || failed_) return false;
  if (!Room(1, 0)) return false;
  AddPiece(data, size);
  return true;
}

bool OutputFile::AppendRange(int from, uint64_t offset, uint64_t size) {
  if (descriptor_ < 0 || failed_) return false;
  if (buffer_.empty()) buffer_.resize(kBufferSize);
  while (size > 0) {
    if (!Room(1, 1)) return false;
    const size_t room = static_cast<size_t>(std::min<uint64_t>(buffer_.size() - used_, size));
    const ssize_t got = ::pread(from, buffer_.data() + used_, room, static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    AddPiece(buffer_.data() + used_, static_cast<size_t>(got));
    used_ += static_cast<size_t>(got);
    offset += static_cast<uint64_t>(got);
    size -= static_cast<uint64_t>(got);
  }
  return true;
}

bool OutputFile::Flush() {
  if (descriptor_ < 0) return false;
  size_t first = 0;
  while (first < pieces_.size() && !failed_) {
    const ssize_t done =
        ::writev(descriptor_, pieces_.data() + first, static_cast<int>(pieces_.size() - first));
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) {
      failed_ = true;
      error_ = "cannot write " + target_ + ": " + std::strerror(done < 0 ? errno : ENOSPC);
      break;
    }
    // A short write: skip what was written, resume inside the piece it stopped in.
    auto left = static_cast<size_t>(done);
    while (left > 0 && left >= pieces_[first].iov_len) left -= pieces_[first++].iov_len;
    if (left > 0) {
      pieces_[first].iov_base = static_cast<uint8_t*>(pieces_[first].iov_base) + left;
      pieces_[first].iov_len -= left;
    }
  }
  pieces_.clear();
  used_ = 0;
  return !failed_;
}

bool OutputFile::Close() {
  if (descriptor_ < 0) return false;
  const bool flushed = Flush();
  descriptor_ = -1;
  if (flushed) return file_.Commit();
  file_.Abandon();
  return false;
}

void OutputFile::Abandon() {
  pieces_.clear();
  used_ = 0;
  descriptor_ = -1;
  file_.Abandon();
}

}  // namespace vantrel::tools
