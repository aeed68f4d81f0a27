#include "catalogue/folder_scan.h"

#include <sys/stat.h>

#include <filesystem>
#include <set>
#include <system_error>
#include <utility>

#include "catalogue/utf8_text.h"

namespace vantrel {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kAviSuffix = ".avi";

std::string WithSlash(std::string_view path) {
  std::string text(path);
  if (text.empty() || text.back() != '/') text += '/';
  return text;
}

std::string NameOf(std::string_view path) {
  const size_t slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

// One tree scan. Folders are known by device and inode, so a folder reached again through a
// link is not scanned (nor counted) a second time and a link cycle cannot recurse forever.
class TreeScan {
 public:
  TreeScan(RecordingCatalogue& catalogue, int32_t group) : catalogue_(catalogue), group_(group) {}

  bool Scan(FolderRecord& folder) {
    if (folder.path.empty()) return false;
    folder.path = WithSlash(folder.path);
    struct stat info {};
    if (::stat(folder.path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
    if (!visited_.insert({info.st_dev, info.st_ino}).second) return false;

    std::error_code error;
    fs::directory_iterator item(fs::path(folder.path), error);
    if (error) return false;
    for (const fs::directory_iterator end; !error && item != end; item.increment(error)) {
      const std::string name = item->path().filename().string();
      std::error_code status_error;
      if (item->is_directory(status_error)) {
        FolderRecord sub_folder{folder.path + name + "/"};
        if (Scan(sub_folder)) ++folder.count;
      } else if (item->is_regular_file(status_error) && catalogue_.AcceptName(name)) {
        std::error_code size_error;
        const uintmax_t size = item->file_size(size_error);
        catalogue_.AddEntry(MakeEntry(name, group_, -1, folder.path + name, size_error ? 0 : size));
        ++folder.count;
      }
    }
    // The folder could be listed: a listing cut short keeps what it found and still succeeds.
    return true;
  }

 private:
  RecordingCatalogue& catalogue_;
  int32_t group_;
  std::set<std::pair<dev_t, ino_t>> visited_;
};

struct ItemRules {
  bool add_extension;          // a file named without ".avi" is looked for with it
  size_t max_path_characters;  // 0: no limit
};

bool IsDirectory(const std::string& path) {
  std::error_code error;
  return fs::is_directory(fs::path(path), error);
}

bool IsRegularFile(const std::string& path, uint64_t& size) {
  std::error_code error;
  if (path.empty() || !fs::is_regular_file(fs::path(path), error)) return false;
  const uintmax_t bytes = fs::file_size(fs::path(path), error);
  size = error ? 0 : bytes;
  return true;
}

bool ScanItems(RecordingCatalogue& catalogue, const std::vector<std::string>& items,
               const ItemRules& rules) {
  catalogue.BeginScan();
  FolderRecord running;
  for (const std::string& item : items) {
    // A path that does not fit is never cut: a cut path would name some other file or folder.
    if (rules.max_path_characters > 0 && utf8::CharacterCount(item) > rules.max_path_characters) {
      return false;
    }
    if (IsDirectory(item)) {
      running.path = WithSlash(item);
      ScanFolderTree(catalogue, running, kComputerFolderGroup);
      continue;
    }
    std::string path = item;
    if (rules.add_extension &&
        (path.size() < kAviSuffix.size() ||
         utf8::AsciiLower(path.substr(path.size() - kAviSuffix.size())) != kAviSuffix)) {
      path += kAviSuffix;
    }
    running.path = path;
    uint64_t size = 0;
    if (!IsRegularFile(path, size)) return false;
    const std::string name = NameOf(path);
    if (catalogue.AcceptName(name)) {
      catalogue.AddEntry(MakeEntry(name, kComputerFolderGroup, -1, path, size));
      ++running.count;
    }
  }
  if (running.count <= 0) return false;
  catalogue.AddFolder(std::move(running));
  return true;
}

}  // namespace

bool ScanFolderTree(RecordingCatalogue& catalogue, FolderRecord& folder, int32_t group) {
  return TreeScan(catalogue, group).Scan(folder);
}

bool ScanPickedItems(RecordingCatalogue& catalogue, const std::vector<std::string>& items) {
  return ScanItems(catalogue, items, {.add_extension = true, .max_path_characters = 0});
}

bool ScanDroppedItems(RecordingCatalogue& catalogue, const std::vector<std::string>& items) {
  return ScanItems(catalogue, items,
                   {.add_extension = false, .max_path_characters = kDroppedPathCharacters});
}

bool EmptyFolderFiles(std::string_view folder_path) {
  std::error_code error;
  bool all_deleted = true;
  fs::directory_iterator item(fs::path(std::string(folder_path)), error);
  if (error) return false;
  for (const fs::directory_iterator end; !error && item != end; item.increment(error)) {
    std::error_code status_error;
    if (item->is_directory(status_error)) continue;
    std::error_code remove_error;
    if (!fs::remove(item->path(), remove_error)) all_deleted = false;
  }
  return all_deleted && !error;
}

}  // namespace vantrel
