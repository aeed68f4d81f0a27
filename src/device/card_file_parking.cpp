#include "device/card_file_parking.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "device/card_files.h"

namespace vantrel::device {
namespace {

namespace fs = std::filesystem;

std::optional<std::string> FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool WriteDurably(const std::string& path, const std::string& bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (wrote <= 0) break;
    done += static_cast<size_t>(wrote);
  }
  const bool synced = done == bytes.size() && ::fsync(fd) == 0;
  return ::close(fd) == 0 && synced;
}

}  // namespace

bool CopyFileVerified(const std::string& from, const std::string& to) {
  const std::optional<std::string> bytes = FileBytes(from);
  if (!bytes || !WriteDurably(to, *bytes)) return false;
  return FileBytes(to) == bytes;
}

std::optional<ParkedCardFiles> ParkedCardFiles::Park(const std::string& card_root,
                                                     const std::vector<std::string>& names,
                                                     const std::string& parent) {
  std::error_code error;
  fs::create_directories(parent, error);
  std::string pattern = CardFilePath(parent, "format-XXXXXX");
  if (::mkdtemp(pattern.data()) == nullptr) return std::nullopt;  // mkdtemp makes it 0700
  for (const std::string& name : names) {
    if (!CopyFileVerified(CardFilePath(card_root, name), CardFilePath(pattern, name))) {
      fs::remove_all(pattern, error);
      return std::nullopt;
    }
  }
  return ParkedCardFiles(pattern, names);
}

std::vector<std::string> ParkedCardFiles::Restore(const std::string& root) {
  std::vector<std::string> restored;
  bool all = true;
  for (const std::string& name : names_) {
    const std::string parked = CardFilePath(folder_, name);
    if (CopyFileVerified(parked, CardFilePath(root, name))) {
      restored.push_back(name);
      std::error_code error;
      fs::remove(parked, error);
    } else {
      all = false;
    }
  }
  if (all) {
    std::error_code error;
    fs::remove_all(folder_, error);
  }
  return restored;
}

}  // namespace vantrel::device
