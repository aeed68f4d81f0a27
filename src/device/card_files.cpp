#include "device/card_files.h"

#include <filesystem>
#include <system_error>

#include "device/card_file_write.h"

namespace vantrel::device {

std::string CardFilePath(const std::string& card_root, std::string_view name) {
  std::string path = card_root;
  if (!path.empty() && path.back() != '/') path += '/';
  return path.append(name);
}

bool CardFileExists(const std::string& card_root, std::string_view name) {
  // The folder is listed rather than the name looked up, so that a file system that ignores case
  // (FAT) cannot answer for a name that differs in case.
  std::error_code error;
  for (std::filesystem::directory_iterator it(card_root, error), end; !error && it != end;
       it.increment(error)) {
    if (it->path().filename().string() != name) continue;
    std::error_code status_error;
    return it->symlink_status(status_error).type() == std::filesystem::file_type::regular;
  }
  return false;
}

bool CopyInstallerToCard(const std::string& program_folder, const std::string& card_root) {
  const std::string source = program_folder + "/" + kInstallerFileName;
  std::error_code error;
  if (!std::filesystem::is_regular_file(source, error)) return false;
  return ReplaceFileWithCopy(source, CardFilePath(card_root, kInstallerFileName));
}

}  // namespace vantrel::device
