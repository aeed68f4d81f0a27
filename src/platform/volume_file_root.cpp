#include "platform/volume_file_root.h"

#include <algorithm>
#include <fstream>

namespace vantrel::platform {
namespace {

// Attribute files in sysfs hold a value of a few bytes; anything longer is not one.
constexpr size_t kAttributeLimit = 4096;
// Bounds a folder listing; /dev/disk/by-label holds one entry per labelled volume.
constexpr size_t kListLimit = 4096;

std::string_view WithoutLeadingSlashes(std::string_view path) {
  while (!path.empty() && path.front() == '/') path.remove_prefix(1);
  return path;
}

}  // namespace

VolumeFileRoot::VolumeFileRoot(std::filesystem::path root) : root_(std::move(root)) {}

std::filesystem::path VolumeFileRoot::Path(std::string_view absolute) const {
  return root_ / std::filesystem::path(WithoutLeadingSlashes(absolute));
}

std::optional<std::string> VolumeFileRoot::Read(std::string_view absolute, size_t limit) const {
  std::ifstream in(Path(absolute), std::ios::binary);
  if (!in) return std::nullopt;
  // Files in /proc and /sys report no size, so read until the end, one block at a time.
  std::string text;
  char block[4096];
  while (in) {
    in.read(block, sizeof block);
    const auto count = static_cast<size_t>(in.gcount());
    if (text.size() + count > limit) return std::nullopt;
    text.append(block, count);
  }
  if (in.bad()) return std::nullopt;
  return text;
}

std::optional<std::string> VolumeFileRoot::ReadAttribute(std::string_view absolute) const {
  std::optional<std::string> text = Read(absolute, kAttributeLimit);
  if (!text) return std::nullopt;
  while (!text->empty() && (text->back() == '\n' || text->back() == ' ' || text->back() == '\t')) {
    text->pop_back();
  }
  return text;
}

std::optional<std::string> VolumeFileRoot::ReadLink(std::string_view absolute) const {
  std::error_code error;
  const std::filesystem::path target = std::filesystem::read_symlink(Path(absolute), error);
  if (error) return std::nullopt;
  return target.string();
}

std::optional<std::string> VolumeFileRoot::Resolve(std::string_view absolute) const {
  std::error_code error;
  const std::filesystem::path base = std::filesystem::canonical(root_, error);
  if (error) return std::nullopt;
  const std::filesystem::path resolved = std::filesystem::canonical(Path(absolute), error);
  if (error) return std::nullopt;
  const std::filesystem::path inside = resolved.lexically_relative(base);
  if (inside.empty()) return std::nullopt;
  if (inside == ".") return std::string("/");
  if (*inside.begin() == "..") return std::nullopt;
  return "/" + inside.string();
}

bool VolumeFileRoot::Exists(std::string_view absolute) const {
  std::error_code error;
  return std::filesystem::exists(Path(absolute), error);
}

std::vector<std::string> VolumeFileRoot::List(std::string_view absolute_folder) const {
  std::vector<std::string> names;
  std::error_code error;
  std::filesystem::directory_iterator it(Path(absolute_folder), error);
  for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    if (names.size() == kListLimit) break;
    names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace vantrel::platform
