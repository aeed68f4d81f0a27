#include "platform/volume_description.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace vantrel::platform {
namespace {

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::optional<bool> ParseFlag(std::string_view value) {
  if (value == "1" || value == "true") return true;
  if (value == "0" || value == "false") return false;
  return std::nullopt;
}

std::optional<uint32_t> ParseSectorSize(std::string_view value) {
  uint32_t number = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
  if (value.empty() || error != std::errc() || end != value.data() + value.size()) {
    return std::nullopt;
  }
  return number;
}

std::string ResolvePath(std::string_view value, const std::filesystem::path& base_folder) {
  std::filesystem::path path{std::string(value)};
  if (path.is_relative()) path = base_folder / path;
  return path.lexically_normal().string();
}

// A simulated card is what its description leaves unsaid: a removable FAT card with a medium.
Volume DefaultVolume() {
  Volume volume;
  volume.file_system = "vfat";
  volume.removable = true;
  volume.bytes_per_sector = 512;
  return volume;
}

class DescriptionReader {
 public:
  explicit DescriptionReader(const std::filesystem::path& base_folder) {
    std::error_code error;
    base_folder_ = std::filesystem::absolute(base_folder, error);
    if (error) base_folder_ = base_folder;
  }

  void ReadLine(std::string_view line, int number) {
    line = Trim(line);
    if (line.empty() || line.front() == '#') return;
    if (line.find('\0') != std::string_view::npos) return Problem(number, "NUL in line");
    if (line.front() == '[') {
      if (line != "[volume]") return Problem(number, "unknown section " + Quoted(line));
      Finish();
      current_ = DefaultVolume();
      current_line_ = number;
      return;
    }
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return Problem(number, "no \"=\"");
    const std::string_view key = Trim(line.substr(0, equals));
    const std::string_view value = Trim(line.substr(equals + 1));
    if (!current_) return Problem(number, "setting before the first [volume]");
    if (!Apply(key, value)) return Problem(number, "bad setting " + Quoted(line));
  }

  VolumeDescription Result() {
    Finish();
    return std::move(result_);
  }

 private:
  static std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

  void Problem(int number, const std::string& what) {
    result_.problems.push_back("line " + std::to_string(number) + ": " + what);
  }

  bool Apply(std::string_view key, std::string_view value) {
    Volume& volume = *current_;
    if (key == "root") {
      if (value.empty()) return false;
      volume.root = ResolvePath(value, base_folder_);
      if (volume.root.back() != '/') volume.root.push_back('/');
      return true;
    }
    if (key == "label") {
      volume.label = std::string(value);
      return true;
    }
    if (key == "file_system") {
      volume.file_system = std::string(value);
      return !value.empty();
    }
    if (key == "device") {
      volume.device_path =
          value.empty() || value == "none" ? std::string() : ResolvePath(value, base_folder_);
      return true;
    }
    if (key == "sector_size") {
      const std::optional<uint32_t> size = ParseSectorSize(value);
      if (size) volume.bytes_per_sector = *size;
      return size.has_value();
    }
    bool* flag = key == "removable"   ? &volume.removable
                 : key == "system"    ? &volume.system_disk
                 : key == "read_only" ? &volume.read_only
                                      : nullptr;
    const std::optional<bool> parsed = ParseFlag(value);
    if (flag == nullptr || !parsed) return false;
    *flag = *parsed;
    return true;
  }

  // Closes the volume being read: kept when it has a root of its own.
  void Finish() {
    if (!current_) return;
    Volume volume = std::move(*current_);
    current_.reset();
    const auto same_root = [&](const Volume& other) { return other.root == volume.root; };
    if (volume.root.empty()) return Problem(current_line_, "volume without a root dropped");
    if (std::any_of(result_.volumes.begin(), result_.volumes.end(), same_root)) {
      return Problem(current_line_, "second volume at " + Quoted(volume.root) + " dropped");
    }
    result_.volumes.push_back(std::move(volume));
  }

  std::filesystem::path base_folder_;
  std::optional<Volume> current_;
  int current_line_ = 0;
  VolumeDescription result_;
};

}  // namespace

VolumeDescription ParseVolumeDescription(std::string_view text,
                                         const std::filesystem::path& base_folder) {
  DescriptionReader reader(base_folder);
  int number = 1;
  size_t start = 0;
  while (start < text.size()) {
    const size_t newline = text.find('\n', start);
    const size_t end = newline == std::string_view::npos ? text.size() : newline;
    reader.ReadLine(text.substr(start, end - start), number++);
    start = end + 1;
  }
  return reader.Result();
}

}  // namespace vantrel::platform
