#include "tools/block_copy.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace vantrel::tools {
namespace {

bool WriteAll(int descriptor, const uint8_t* data, size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(descriptor, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

CopyOutcome Copy(const BlockReader& read, std::vector<uint8_t>& buffer, int descriptor,
                 CopyProgress& progress) {
  for (;;) {
    if (progress.cancel.load()) return CopyOutcome::kCancelled;
    const int64_t got = read(buffer.data(), buffer.size());
    if (got == 0) return CopyOutcome::kCopied;
    // A reader that claims more than it was given is as broken as one that fails.
    if (got < 0 || static_cast<uint64_t>(got) > buffer.size()) return CopyOutcome::kFailed;
    if (!WriteAll(descriptor, buffer.data(), static_cast<size_t>(got))) return CopyOutcome::kFailed;
    progress.copied += static_cast<uint64_t>(got);
  }
}

}  // namespace

CopyOutcome CopyBlocks(const BlockReader& read, size_t block_size, const std::string& target,
                       CopyProgress& progress) {
  if (block_size == 0) return CopyOutcome::kFailed;
  const int descriptor = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (descriptor < 0) return CopyOutcome::kFailed;
  std::vector<uint8_t> buffer(block_size);
  CopyOutcome outcome = Copy(read, buffer, descriptor, progress);
  // A full disk may only show when the data reaches it.
  if (outcome == CopyOutcome::kCopied && ::fsync(descriptor) != 0 && errno != EINVAL) {
    outcome = CopyOutcome::kFailed;
  }
  if (::close(descriptor) != 0 && outcome == CopyOutcome::kCopied) outcome = CopyOutcome::kFailed;
  if (outcome != CopyOutcome::kCopied) ::unlink(target.c_str());
  return outcome;
}

}  // namespace vantrel::tools
