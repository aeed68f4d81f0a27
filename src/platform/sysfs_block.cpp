#include "platform/sysfs_block.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "platform/udev_database.h"

namespace vantrel::platform {
namespace {

// Stacked devices (LVM on RAID on partitions) are a few levels deep; the bound keeps a broken
// tree with a loop in it from running forever.
constexpr size_t kMaxStackedDisks = 64;

std::string LastComponent(std::string_view path) {
  return std::filesystem::path(path).filename().string();
}

// A single name that stays inside the folder it is looked up in.
bool IsPlainName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
         name.find('\0') == std::string_view::npos;
}

std::optional<uint64_t> ReadNumber(const VolumeFileRoot& files, const std::string& path) {
  const std::optional<std::string> text = files.ReadAttribute(path);
  if (!text || text->empty()) return std::nullopt;
  uint64_t value = 0;
  const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
  if (error != std::errc() || end != text->data() + text->size()) return std::nullopt;
  return value;
}

// The sysfs folder of the mounted device, following the links to its place under /sys/devices.
std::optional<std::string> DeviceFolder(const VolumeFileRoot& files, unsigned major, unsigned minor,
                                        std::string_view source) {
  if (major != 0) {
    return files.Resolve("/sys/dev/block/" + std::to_string(major) + ":" + std::to_string(minor));
  }
  if (!source.starts_with("/dev/")) return std::nullopt;
  // The source may be a link such as /dev/disk/by-uuid/...; the node it leads to names the device.
  const std::optional<std::string> node = files.Resolve(source);
  const std::string name = LastComponent(node ? std::string_view(*node) : source);
  if (!IsPlainName(name)) return std::nullopt;
  return files.Resolve("/sys/class/block/" + name);
}

// The folder of the whole disk: a partition's parent, or the device itself.
std::string DiskFolder(const VolumeFileRoot& files, const std::string& device_folder) {
  if (!files.Exists(device_folder + "/partition")) return device_folder;
  return std::filesystem::path(device_folder).parent_path().string();
}

bool IsRemovable(const VolumeFileRoot& files, const std::string& disk_folder) {
  if (files.ReadAttribute(disk_folder + "/removable") == "1") return true;
  // The kernel never flags MMC block devices removable, because the reader stays while cards
  // come and go; an SD card is all the same a card the user takes out. Built-in eMMC says "MMC".
  return files.ReadAttribute(disk_folder + "/device/type") == "SD";
}

uint32_t BytesPerSector(const VolumeFileRoot& files, const std::string& disk_folder) {
  const std::optional<uint64_t> size = ReadNumber(files, disk_folder + "/size");
  const std::optional<uint64_t> block =
      ReadNumber(files, disk_folder + "/queue/logical_block_size");
  if (!size || *size == 0 || !block || *block > UINT32_MAX) return 0;
  return static_cast<uint32_t>(*block);
}

}  // namespace

std::string DeviceNodePath(std::string_view kernel_name) {
  std::string path = "/dev/" + std::string(kernel_name);
  std::replace(path.begin(), path.end(), '!', '/');
  return path;
}

std::optional<BlockDiskFacts> DescribeBlockDevice(const VolumeFileRoot& files, unsigned major,
                                                  unsigned minor, std::string_view source) {
  const std::optional<std::string> device_folder = DeviceFolder(files, major, minor, source);
  if (!device_folder) return std::nullopt;
  const std::string disk_folder = DiskFolder(files, *device_folder);
  BlockDiskFacts facts;
  facts.partition_name = LastComponent(*device_folder);
  facts.disk_name = LastComponent(disk_folder);
  if (!IsPlainName(facts.partition_name) || !IsPlainName(facts.disk_name)) return std::nullopt;
  facts.partition_path = DeviceNodePath(facts.partition_name);
  facts.device_path = DeviceNodePath(facts.disk_name);
  facts.removable = IsRemovable(files, disk_folder);
  facts.bytes_per_sector = BytesPerSector(files, disk_folder);
  facts.lyfs_partition = DiskHasLyfsPartition(files, disk_folder);
  return facts;
}

std::vector<std::string> DisksBeneath(const VolumeFileRoot& files, std::string_view disk_name) {
  std::vector<std::string> disks;
  if (IsPlainName(disk_name)) disks.emplace_back(disk_name);
  for (size_t next = 0; next < disks.size() && disks.size() < kMaxStackedDisks; ++next) {
    for (const std::string& slave : files.List("/sys/class/block/" + disks[next] + "/slaves")) {
      if (!IsPlainName(slave)) continue;
      const std::optional<std::string> folder = files.Resolve("/sys/class/block/" + slave);
      if (!folder) continue;
      const std::string disk = LastComponent(DiskFolder(files, *folder));
      if (IsPlainName(disk) && std::find(disks.begin(), disks.end(), disk) == disks.end()) {
        disks.push_back(disk);
      }
    }
  }
  return disks;
}

}  // namespace vantrel::platform
