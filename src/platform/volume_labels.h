// File-system labels of block devices, read from the links udev keeps in /dev/disk/by-label
// ("CARD\x201" -> "../../sdb1"), so no probing of the devices is needed.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "platform/volume_file_root.h"

namespace vantrel::platform {

// Label by kernel device name ("sdb1" -> "CARD 1"). When two links lead to one device, the first
// in name order counts. Empty when the folder is missing (no udev, or no labelled volume).
std::map<std::string, std::string> ReadVolumeLabels(const VolumeFileRoot& files);

// Undoes udev's escapes in a link name: "\x20" is a space, "\x2f" a slash. Anything else,
// including a broken escape, stays as it is.
std::string DecodeLabelLinkName(std::string_view link_name);

}  // namespace vantrel::platform
