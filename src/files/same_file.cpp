#include "files/same_file.h"

#include <sys/stat.h>

namespace vantrel::files {

namespace {

std::optional<FileIdentity> Identity(int result, const struct stat& status) {
  if (result != 0) return std::nullopt;
  return FileIdentity{static_cast<uint64_t>(status.st_dev), static_cast<uint64_t>(status.st_ino)};
}

}  // namespace

std::optional<FileIdentity> IdentityOf(const std::string& path) {
  struct stat status {};
  return Identity(::stat(path.c_str(), &status), status);
}

std::optional<FileIdentity> IdentityOf(int descriptor) {
  struct stat status {};
  return Identity(::fstat(descriptor, &status), status);
}

std::string SameFileProblem(const std::string& output, const std::vector<std::string>& inputs) {
  const std::optional<FileIdentity> written = IdentityOf(output);
  if (!written) return {};
  for (const std::string& input : inputs) {
    if (IdentityOf(input) == written) {
      return "output " + output + " is the same file as input " + input;
    }
  }
  return {};
}

}  // namespace vantrel::files
