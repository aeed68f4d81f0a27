#include "files/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vantrel::files {

int OpenInput(const std::string& path, InputKind kind, std::string* why, uint64_t* size) {
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (descriptor < 0) {
    *why = std::strerror(errno);
    return -1;
  }
  struct stat status {};
  if (::fstat(descriptor, &status) != 0) {
    *why = std::strerror(errno);
    ::close(descriptor);
    return -1;
  }
  const bool wanted = S_ISREG(status.st_mode) ||
                      (kind == InputKind::kRegularFileOrBlockDevice && S_ISBLK(status.st_mode));
  if (!wanted) {
    *why = S_ISDIR(status.st_mode) ? "is a folder" : "not a regular file";
    ::close(descriptor);
    return -1;
  }
  if (size != nullptr) *size = static_cast<uint64_t>(status.st_size);
  const int flags = ::fcntl(descriptor, F_GETFL);
  if (flags < 0 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    *why = std::strerror(errno);
    ::close(descriptor);
    return -1;
  }
  return descriptor;
}

std::string InputProblem(const std::string& path, InputKind kind) {
  std::string why;
  const int descriptor = OpenInput(path, kind, &why);
  if (descriptor >= 0) ::close(descriptor);
  return why;
}

}  // namespace vantrel::files
