#include "ui/main/source_root.h"

#include <filesystem>
#include <system_error>

#include "catalogue/source_list.h"

namespace vantrel::ui {
namespace {

namespace fs = std::filesystem;

// Absolute and lexically normal, without a trailing separator except for "/" itself. Symbolic
// links are left alone: a mount point is compared as the system names it.
fs::path Normal(std::string_view text) {
  std::error_code error;
  fs::path path = fs::absolute(fs::path(text), error);
  if (error) path = fs::path(text);
  path = path.lexically_normal();
  if (path.has_relative_path() && !path.has_filename()) path = path.parent_path();
  return path;
}

// Number of components of root that lead path; -1 when root does not lead it.
int LeadingComponents(const fs::path& root, const fs::path& path) {
  auto path_part = path.begin();
  int count = 0;
  for (const fs::path& part : root) {
    if (path_part == path.end() || *path_part != part) return -1;
    ++path_part;
    ++count;
  }
  return count;
}

}  // namespace

int SourceIndexForChosenPath(const RecordingCatalogue& catalogue, std::string_view path) {
  const int index = SourceIndexForPath(catalogue, path);
  const int computer = static_cast<int>(catalogue.sources().size()) - 1;
  if (index != computer || path.empty() || path.back() == '/') return index;
  return SourceIndexForPath(catalogue, std::string(path) + "/");
}

std::string VolumeRootHolding(const std::vector<platform::Volume>& volumes, std::string_view path) {
  if (path.empty()) return {};
  const fs::path target = Normal(path);
  const platform::Volume* best = nullptr;
  int best_length = -1;
  for (const platform::Volume& volume : volumes) {
    if (volume.root.empty()) continue;
    const int length = LeadingComponents(Normal(volume.root), target);
    if (length > best_length) {
      best = &volume;
      best_length = length;
    }
  }
  return best ? best->root : std::string();
}

}  // namespace vantrel::ui
