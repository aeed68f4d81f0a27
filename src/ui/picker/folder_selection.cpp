#include "ui/picker/folder_selection.h"

#include <filesystem>
#include <system_error>

namespace vantrel::ui {
namespace {

namespace fs = std::filesystem;

bool IsSingleName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

bool IsMountRoot(const std::string& plain, const platform::Volume& volume) {
  return !volume.root.empty() && PlainPath(volume.root) == plain;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (path.empty() || path.back() != '/') path += '/';
  path += name;
  return path;
}

}  // namespace

std::string PlainPath(std::string_view path) {
  if (path.empty()) return {};
  const fs::path given(path);
  fs::path plain = given.lexically_normal();
  if (given.is_absolute()) {
    // Followed through links, so a link to "/" is seen for what it is.
    std::error_code error;
    fs::path resolved = fs::weakly_canonical(given, error);
    if (!error) plain = resolved.lexically_normal();
  }
  std::string text = plain.string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

std::string ChosenPathText(std::string_view path, const std::vector<platform::Volume>& volumes) {
  std::string plain = PlainPath(path);
  if (plain == "/") return plain;
  for (const platform::Volume& volume : volumes) {
    if (IsMountRoot(plain, volume)) return plain + '/';
  }
  return plain;
}

std::vector<std::string> SelectedItemPaths(std::string_view folder,
                                           const std::vector<std::string>& names,
                                           const std::vector<platform::Volume>& volumes) {
  std::vector<std::string> paths;
  for (const std::string& name : names) {
    if (folder.empty()) {
      if (!name.empty() && name.front() == '/') paths.push_back(ChosenPathText(name, volumes));
    } else if (IsSingleName(name)) {
      paths.push_back(ChosenPathText(JoinPath(folder, name), volumes));
    }
  }
  if (paths.empty() && !folder.empty()) paths.push_back(ChosenPathText(folder, volumes));
  return paths;
}

bool IsRefusedRoot(std::string_view path, const std::vector<platform::Volume>& volumes) {
  if (path.empty()) return false;
  const std::string plain = PlainPath(path);
  if (plain == "/") return true;
  for (const platform::Volume& volume : volumes) {
    if ((!volume.removable || volume.system_disk) && IsMountRoot(plain, volume)) return true;
  }
  return false;
}

}  // namespace vantrel::ui
