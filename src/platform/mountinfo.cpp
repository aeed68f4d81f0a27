#include "platform/mountinfo.h"

#include <charconv>
#include <optional>
#include <set>
#include <utility>

namespace vantrel::platform {
namespace {

// Fields before the optional ones, and after the separator (type, source, super options).
constexpr size_t kLeadingFields = 6;
constexpr size_t kTrailingFields = 3;

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  while (true) {
    const size_t space = line.find(' ', start);
    fields.push_back(line.substr(start, space - start));
    if (space == std::string_view::npos) break;
    start = space + 1;
  }
  return fields;
}

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

bool IsOctal(char c) { return c >= '0' && c <= '7'; }

// A path the viewer can use: absolute and without the NUL an escape could smuggle in.
bool IsUsablePath(const std::string& path) {
  return !path.empty() && path.front() == '/' && path.find('\0') == std::string::npos;
}

std::optional<MountEntry> ParseLine(std::string_view line) {
  const std::vector<std::string_view> fields = SplitFields(line);
  size_t separator = kLeadingFields;
  while (separator < fields.size() && fields[separator] != "-") ++separator;
  if (separator + kTrailingFields >= fields.size()) return std::nullopt;

  MountEntry entry;
  const auto mount_id = ParseNumber<int>(fields[0]);
  const auto parent_id = ParseNumber<int>(fields[1]);
  const size_t colon = fields[2].find(':');
  if (!mount_id || !parent_id || colon == std::string_view::npos) return std::nullopt;
  const auto major = ParseNumber<unsigned>(fields[2].substr(0, colon));
  const auto minor = ParseNumber<unsigned>(fields[2].substr(colon + 1));
  if (!major || !minor || *mount_id < 0) return std::nullopt;
  entry.mount_id = *mount_id;
  entry.parent_id = *parent_id;
  entry.major = *major;
  entry.minor = *minor;
  entry.root = UnescapeMountField(fields[3]);
  entry.mount_point = UnescapeMountField(fields[4]);
  if (!IsUsablePath(entry.root) || !IsUsablePath(entry.mount_point)) return std::nullopt;
  entry.mount_options = std::string(fields[5]);
  entry.file_system = UnescapeMountField(fields[separator + 1]);
  entry.source = UnescapeMountField(fields[separator + 2]);
  entry.super_options = std::string(fields[separator + 3]);
  return entry;
}

}  // namespace

std::string UnescapeMountField(std::string_view field) {
  std::string text;
  text.reserve(field.size());
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && field.size() - i > 3 && IsOctal(field[i + 1]) &&
        IsOctal(field[i + 2]) && IsOctal(field[i + 3])) {
      const int value = (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
      // Three octal digits can say up to 511; a byte above 255 was never written by the kernel.
      if (value <= 0xFF) {
        text.push_back(static_cast<char>(value));
        i += 3;
        continue;
      }
    }
    text.push_back(field[i]);
  }
  return text;
}

bool HasMountOption(std::string_view options, std::string_view option) {
  size_t start = 0;
  while (start <= options.size()) {
    const size_t comma = options.find(',', start);
    const size_t end = comma == std::string_view::npos ? options.size() : comma;
    if (options.substr(start, end - start) == option) return true;
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return false;
}

std::vector<MountEntry> ParseMountInfo(std::string_view text) {
  std::vector<MountEntry> mounts;
  size_t start = 0;
  while (start < text.size()) {
    const size_t newline = text.find('\n', start);
    const size_t end = newline == std::string_view::npos ? text.size() : newline;
    if (std::optional<MountEntry> entry = ParseLine(text.substr(start, end - start))) {
      mounts.push_back(std::move(*entry));
    }
    start = end + 1;
  }
  return mounts;
}

std::vector<MountEntry> DropHiddenMounts(const std::vector<MountEntry>& mounts) {
  // A mount is covered when a mount whose parent it is sits on the same mount point.
  std::set<std::pair<int, std::string>> covered;
  for (const MountEntry& mount : mounts) covered.emplace(mount.parent_id, mount.mount_point);
  std::vector<MountEntry> visible;
  for (const MountEntry& mount : mounts) {
    if (mount.parent_id != mount.mount_id && covered.count({mount.mount_id, mount.mount_point})) {
      continue;
    }
    visible.push_back(mount);
  }
  return visible;
}

}  // namespace vantrel::platform
