#include "device/card_drives.h"

#include "catalogue/source_list.h"

namespace vantrel::device {

std::string CardDriveText(const CardDriveEntry& entry) {
  return entry.label + "(" + entry.root + ")";
}

std::vector<CardDriveEntry> ListCardDrives(platform::VolumeProvider& volumes,
                                           const DiskWriteCheck& can_write) {
  std::vector<CardDriveEntry> entries;
  for (const CardVolume& card : ListCardVolumes(volumes, can_write)) {
    entries.push_back({card.source.root, card.source.drive_index, card.source.device_path,
                       card.volume.label, card.source.kind == SourceKind::kLyfsCard});
  }
  return entries;
}

}  // namespace vantrel::device
