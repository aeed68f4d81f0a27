#include "platform/volume_scan.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <string_view>

#include "platform/sysfs_block.h"
#include "platform/volume_labels.h"

namespace vantrel::platform {
namespace {

// A mount table of thousands of mounts stays well below this; a larger file is not one.
constexpr size_t kMountInfoLimit = 16 * 1024 * 1024;

// Kernel and container file systems that hold no user data of their own.
constexpr std::string_view kPseudoFileSystems[] = {
    "autofs",          "binfmt_misc", "bpf",         "cgroup",     "cgroup2",
    "configfs",        "debugfs",     "devpts",      "devtmpfs",   "efivarfs",
    "fuse.gvfsd-fuse", "fuse.lxcfs",  "fuse.portal", "fusectl",    "hugetlbfs",
    "mqueue",          "nfsd",        "nsfs",        "overlay",    "proc",
    "pstore",          "ramfs",       "rpc_pipefs",  "securityfs", "selinuxfs",
    "smackfs",         "sysfs",       "tmpfs",       "tracefs",    "aufs"};

bool IsPseudoFileSystem(std::string_view type) {
  return std::find(std::begin(kPseudoFileSystems), std::end(kPseudoFileSystems), type) !=
         std::end(kPseudoFileSystems);
}

std::string WithTrailingSlash(std::string path) {
  if (path.empty() || path.back() != '/') path.push_back('/');
  return path;
}

// The disks under "/": the top-most mount there, followed down through any stacking.
std::vector<std::string> SystemDisks(const std::vector<MountEntry>& mounts,
                                     const VolumeFileRoot& files) {
  const auto root = std::find_if(mounts.rbegin(), mounts.rend(),
                                 [](const MountEntry& mount) { return mount.mount_point == "/"; });
  if (root == mounts.rend()) return {};
  const std::optional<BlockDiskFacts> facts =
      DescribeBlockDevice(files, root->major, root->minor, root->source);
  if (!facts) return {};
  return DisksBeneath(files, facts->disk_name);
}

}  // namespace

std::vector<Volume> VolumesOfMounts(const std::vector<MountEntry>& all_mounts,
                                    const VolumeFileRoot& files) {
  const std::vector<MountEntry> mounts = DropHiddenMounts(all_mounts);
  const std::vector<std::string> system_disks = SystemDisks(mounts, files);
  const std::map<std::string, std::string> labels = ReadVolumeLabels(files);
  std::vector<Volume> volumes;
  for (const MountEntry& mount : mounts) {
    if (IsPseudoFileSystem(mount.file_system)) continue;
    // A mount of a folder inside a file system (a bind mount, a btrfs sub-volume) has no volume
    // root at its mount point. "/" is kept whatever it mounts: it is the system volume.
    if (mount.root != "/" && mount.mount_point != "/") continue;
    Volume volume;
    volume.root = WithTrailingSlash(mount.mount_point);
    volume.file_system = mount.file_system;
    volume.read_only =
        HasMountOption(mount.mount_options, "ro") || HasMountOption(mount.super_options, "ro");
    volume.mount_id = mount.mount_id;
    if (const std::optional<BlockDiskFacts> facts =
            DescribeBlockDevice(files, mount.major, mount.minor, mount.source)) {
      volume.partition_path = facts->partition_path;
      volume.device_path = facts->device_path;
      volume.removable = facts->removable;
      volume.bytes_per_sector = facts->bytes_per_sector;
      volume.lyfs_partition = facts->lyfs_partition;
      volume.system_disk = std::find(system_disks.begin(), system_disks.end(), facts->disk_name) !=
                           system_disks.end();
      if (const auto label = labels.find(facts->partition_name); label != labels.end()) {
        volume.label = label->second;
      }
    }
    volumes.push_back(std::move(volume));
  }
  return volumes;
}

std::optional<std::vector<Volume>> ScanVolumes(const VolumeFileRoot& files) {
  const std::optional<std::string> text = files.Read("/proc/self/mountinfo", kMountInfoLimit);
  if (!text) return std::nullopt;
  return VolumesOfMounts(ParseMountInfo(*text), files);
}

}  // namespace vantrel::platform
