// The cards the settings dialog offers: the removable volumes whose disk the viewer may open,
// carrying a FAT file system or the recorder's LyFS partition, in the order of their roots.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/drive_probe.h"
#include "platform/volume_provider.h"

namespace vantrel::device {

struct CardDriveEntry {
  std::string root;         // the volume's mount point, ending with "/"
  int32_t drive_index = 0;  // position of the volume among all volumes, by root
  std::string device_path;  // the whole disk (or a simulated card's image file)
  std::string label;        // the file-system label; may be empty
  bool lyfs = false;        // the disk carries a LyFS partition
};

// The entry's text in the card list: "label(root)".
std::string CardDriveText(const CardDriveEntry& entry);

std::vector<CardDriveEntry> ListCardDrives(platform::VolumeProvider& volumes,
                                           const DiskWriteCheck& can_write = CanOpenForWriting);

}  // namespace vantrel::device
