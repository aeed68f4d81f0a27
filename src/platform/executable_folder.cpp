#include "platform/executable_folder.h"

#include <unistd.h>

#include <array>

namespace vantrel::platform {

std::string ExecutableFolder() {
  std::array<char, 4096> buffer{};
  const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (length <= 0) return {};
  const std::string path(buffer.data(), static_cast<size_t>(length));
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  return path.substr(0, slash);
}

}  // namespace vantrel::platform
