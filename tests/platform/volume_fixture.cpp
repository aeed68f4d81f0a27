#include "volume_fixture.h"

#include "temp_dir.h"

namespace vantrel::test {
namespace {

std::string DevNumbers(unsigned major, unsigned minor) {
  return std::to_string(major) + ":" + std::to_string(minor);
}

}  // namespace

FakeDisk MakeDisk(const std::string& name, unsigned major, unsigned minor,
                  const std::string& removable) {
  FakeDisk disk;
  disk.name = name;
  disk.major = major;
  disk.minor = minor;
  disk.removable = removable;
  return disk;
}

FakeSystemTree::FakeSystemTree(const std::filesystem::path& root) : root_(root) {
  std::filesystem::create_directories(root_ / "sys/class/block");
  std::filesystem::create_directories(root_ / "sys/dev/block");
  std::filesystem::create_directories(root_ / "proc/self");
}

void FakeSystemTree::Link(const std::string& absolute_link, const std::string& relative_target) {
  const std::filesystem::path link = root_ / absolute_link.substr(1);
  std::filesystem::create_directories(link.parent_path());
  std::filesystem::create_symlink(relative_target, link);
}

void FakeSystemTree::WriteAttribute(const std::string& absolute, const std::string& value) {
  WriteFile(root_ / absolute.substr(1), value + "\n");
}

void FakeSystemTree::AddDisk(const FakeDisk& disk) {
  const std::string folder = "/sys/devices/" + disk.bus + "/block/" + disk.name;
  WriteAttribute(folder + "/dev", DevNumbers(disk.major, disk.minor));
  WriteAttribute(folder + "/removable", disk.removable);
  WriteAttribute(folder + "/size", disk.size);
  WriteAttribute(folder + "/queue/logical_block_size", disk.logical_block_size);
  if (!disk.mmc_type.empty()) WriteAttribute(folder + "/device/type", disk.mmc_type);
  Link("/sys/class/block/" + disk.name, "../../devices/" + disk.bus + "/block/" + disk.name);
  Link("/sys/dev/block/" + DevNumbers(disk.major, disk.minor),
       "../../devices/" + disk.bus + "/block/" + disk.name);
}

void FakeSystemTree::AddPartition(const FakeDisk& disk, const std::string& partition,
                                  unsigned minor) {
  const std::string relative = disk.bus + "/block/" + disk.name + "/" + partition;
  const std::string folder = "/sys/devices/" + relative;
  WriteAttribute(folder + "/dev", DevNumbers(disk.major, minor));
  WriteAttribute(folder + "/partition", std::to_string(minor - disk.minor));
  WriteAttribute(folder + "/size", disk.size);
  Link("/sys/class/block/" + partition, "../../devices/" + relative);
  Link("/sys/dev/block/" + DevNumbers(disk.major, minor), "../../devices/" + relative);
}

void FakeSystemTree::AddStackedDisk(const std::string& name, unsigned major, unsigned minor,
                                    const std::string& beneath) {
  FakeDisk disk;
  disk.name = name;
  disk.major = major;
  disk.minor = minor;
  disk.bus = "virtual";
  AddDisk(disk);
  Link("/sys/devices/virtual/block/" + name + "/slaves/" + beneath,
       "../../../../../class/block/" + beneath);
}

void FakeSystemTree::AddLabel(const std::string& link_name, const std::string& device) {
  Link("/dev/disk/by-label/" + link_name, "../../" + device);
}

void FakeSystemTree::AddUdevRecord(unsigned major, unsigned minor, const std::string& properties) {
  std::string record = "S:disk/by-path/fake\nI:1234\nL:0\n";
  size_t start = 0;
  while (start < properties.size()) {
    size_t end = properties.find('\n', start);
    if (end == std::string::npos) end = properties.size();
    record += "E:" + properties.substr(start, end - start) + "\n";
    start = end + 1;
  }
  record += "G:systemd\nQ:systemd\nV:1\n";
  WriteFile(root_ / ("run/udev/data/b" + DevNumbers(major, minor)), record);
}

void FakeSystemTree::SetMountInfo(const std::string& text) {
  WriteFile(root_ / "proc/self/mountinfo", text);
}

}  // namespace vantrel::test
