#include "platform/udev_database.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace vantrel::platform {
namespace {

// A device's record is a few kilobytes at most; a larger file is not one.
constexpr size_t kRecordLimit = 256 * 1024;

// ID_PART_ENTRY_TYPE of an MBR partition is written "0xda".
constexpr std::string_view kLyfsEntryType = "0xda";

std::string Lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// "8:17" as sysfs writes it in a "dev" attribute.
std::optional<std::pair<unsigned, unsigned>> DeviceNumbers(const std::string& text) {
  unsigned major = 0;
  unsigned minor = 0;
  char end = 0;
  if (std::sscanf(text.c_str(), "%u:%u%c", &major, &minor, &end) != 2) return std::nullopt;
  return std::make_pair(major, minor);
}

}  // namespace

std::optional<std::map<std::string, std::string>> ReadUdevProperties(const VolumeFileRoot& files,
                                                                     unsigned major,
                                                                     unsigned minor) {
  const std::optional<std::string> text = files.Read(
      "/run/udev/data/b" + std::to_string(major) + ":" + std::to_string(minor), kRecordLimit);
  if (!text) return std::nullopt;
  std::map<std::string, std::string> properties;
  size_t start = 0;
  while (start < text->size()) {
    size_t end = text->find('\n', start);
    if (end == std::string::npos) end = text->size();
    const std::string_view line(text->data() + start, end - start);
    start = end + 1;
    if (!line.starts_with("E:")) continue;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos || equals == 2) continue;
    properties.emplace(line.substr(2, equals - 2), line.substr(equals + 1));
  }
  return properties;
}

std::optional<bool> DiskHasLyfsPartition(const VolumeFileRoot& files,
                                         std::string_view disk_folder) {
  const std::string folder(disk_folder);
  const std::optional<std::string> disk_numbers = files.ReadAttribute(folder + "/dev");
  if (!disk_numbers) return std::nullopt;
  const auto disk = DeviceNumbers(*disk_numbers);
  if (!disk || !ReadUdevProperties(files, disk->first, disk->second)) return std::nullopt;
  for (const std::string& child : files.List(folder)) {
    const std::string child_folder = folder + "/" + child;
    if (!files.Exists(child_folder + "/partition")) continue;
    const std::optional<std::string> numbers = files.ReadAttribute(child_folder + "/dev");
    const auto partition = numbers ? DeviceNumbers(*numbers) : std::nullopt;
    if (!partition) continue;
    const auto properties = ReadUdevProperties(files, partition->first, partition->second);
    if (!properties) continue;
    const auto type = properties->find("ID_PART_ENTRY_TYPE");
    if (type != properties->end() && Lowered(type->second) == kLyfsEntryType) return true;
  }
  return false;
}

}  // namespace vantrel::platform
