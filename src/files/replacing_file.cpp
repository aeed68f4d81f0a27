#include "files/replacing_file.h"

#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

namespace vantrel::files {

namespace {

// Names tried before giving up, when others of the same pattern keep appearing.
constexpr int kNameTries = 64;

// Where a rename lands: a symbolic link is followed to the file it names, so that the link
// stays and its file is replaced, as writing through the link would.
std::string RenameTarget(const std::string& target) {
  struct stat status {};
  if (::lstat(target.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return target;
  char resolved[PATH_MAX];
  return ::realpath(target.c_str(), resolved) != nullptr ? std::string(resolved) : target;
}

std::string Folder(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

ReplacingFile::ReplacingFile(const std::string& target) : target_(RenameTarget(target)) {
  struct stat status {};
  const bool replaces = ::stat(target_.c_str(), &status) == 0;
  if (replaces && !S_ISREG(status.st_mode)) {
    Fail(S_ISDIR(status.st_mode) ? "is a folder" : "not a regular file");
    return;
  }
  // Hidden and beside the target, so the rename never crosses a file system.
  const std::string stem = Folder(target_) + "/." + BaseName(target_) + ".";
  std::random_device random;
  for (int attempt = 0; attempt < kNameTries && descriptor_ < 0; ++attempt) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%06x", random() & 0xFFFFFFu);
    temporary_ = stem + suffix;
    descriptor_ =
        ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (descriptor_ < 0 && errno != EEXIST) break;
  }
  if (descriptor_ < 0) {
    const std::string reason = std::strerror(errno);
    temporary_.clear();
    Fail(reason);
    return;
  }
  // The replacement keeps the permissions of the file it replaces.
  if (replaces) ::fchmod(descriptor_, status.st_mode & 07777);
}

ReplacingFile::~ReplacingFile() { Abandon(); }

bool ReplacingFile::Fail(const std::string& what) {
  error_ = "cannot write " + target_ + ": " + what;
  return false;
}

bool ReplacingFile::Write(const void* data, size_t size) {
  if (descriptor_ < 0) return false;
  const auto* bytes = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t done = ::write(descriptor_, bytes, size);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return Fail(std::strerror(done < 0 ? errno : ENOSPC));
    bytes += done;
    size -= static_cast<size_t>(done);
  }
  return true;
}

bool ReplacingFile::Commit() {
  if (descriptor_ < 0) return false;
  const int descriptor = descriptor_;
  descriptor_ = -1;
  if (::close(descriptor) != 0) {
    const std::string reason = std::strerror(errno);
    Abandon();
    return Fail(reason);
  }
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
    const std::string reason = std::strerror(errno);
    Abandon();
    return Fail(reason);
  }
  temporary_.clear();
  return true;
}

void ReplacingFile::Abandon() {
  if (descriptor_ >= 0) ::close(descriptor_);
  descriptor_ = -1;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}

}  // namespace vantrel::files
