// The kernel's mount table, /proc/self/mountinfo, one mount a line:
//   36 35 98:0 /mnt1 /mnt2 rw,noatime master:1 - ext3 /dev/root rw,errors=continue
// (mount id, parent id, major:minor, root inside the file system, mount point, mount options,
// optional fields, "-", file-system type, source, super-block options). Space, tab, newline and
// backslash inside a field are written as octal escapes ("\040").
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantrel::platform {

struct MountEntry {
  int mount_id = 0;
  int parent_id = 0;
  unsigned major = 0;
  unsigned minor = 0;
  // The folder of the file system that appears at the mount point: "/" for a whole file system,
  // a sub-folder for a bind mount of part of one.
  std::string root;
  std::string mount_point;
  std::string mount_options;
  std::string file_system;
  std::string source;
  std::string super_options;
};

// Every well-formed line in order. A line that does not have the fields above (too few fields,
// no separator, a number that is not one, a mount point that is not an absolute path) is skipped.
std::vector<MountEntry> ParseMountInfo(std::string_view text);

// Undoes the kernel's octal escapes; a backslash not followed by three octal digits stays.
std::string UnescapeMountField(std::string_view field);

// Whether a comma-separated option list holds the option exactly ("ro" is not "errors=ro").
bool HasMountOption(std::string_view options, std::string_view option);

// The mounts that can be reached: a mount that another mount covers at the same mount point is
// dropped.
std::vector<MountEntry> DropHiddenMounts(const std::vector<MountEntry>& mounts);

}  // namespace vantrel::platform
