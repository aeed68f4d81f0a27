#include "device/card_file_write.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <functional>

namespace vantrel::device {

namespace {

// Beside the target, in the same folder, so the final rename stays on one file system.
std::string NewFileBeside(const std::string& path) {
  const std::filesystem::path target(path);
  return (target.parent_path() / ("." + target.filename().string() + ".new")).string();
}

bool WriteAll(int descriptor, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(descriptor, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

// Writes the new file through `fill`, then renames it over path.
bool Replace(const std::string& path, const std::function<bool(int)>& fill) {
  const std::string beside = NewFileBeside(path);
  const int descriptor = ::open(beside.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (descriptor < 0) return false;
  bool done = fill(descriptor) && ::fsync(descriptor) == 0;
  done = ::close(descriptor) == 0 && done;
  done = done && std::rename(beside.c_str(), path.c_str()) == 0;
  if (!done) ::unlink(beside.c_str());
  return done;
}

}  // namespace

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
  return Replace(
      path, [bytes](int descriptor) { return WriteAll(descriptor, bytes.data(), bytes.size()); });
}

bool ReplaceFileWithCopy(const std::string& source, const std::string& target) {
  const int input = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
  if (input < 0) return false;
  const bool done = Replace(target, [input](int descriptor) {
    char buffer[1 << 16];
    for (;;) {
      const ssize_t got = ::read(input, buffer, sizeof buffer);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) return false;
      if (got == 0) return true;
      if (!WriteAll(descriptor, buffer, static_cast<size_t>(got))) return false;
    }
  });
  ::close(input);
  return done;
}

}  // namespace vantrel::device
