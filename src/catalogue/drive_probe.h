// Whether a mounted volume can serve as a recorder card, and of which kind: its whole disk must
// be known and not the system's own, and the kind is LyFS when the disk holds a LyFS partition,
// FAT otherwise. Offering a card needs no access to its disk: an ordinary user sees it listed
// and is told what access is missing only when the card is opened (card_device_opener.h).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "catalogue/source_record.h"
#include "platform/volume.h"

namespace vantrel {

// The whole disk under the volume (a device node, or the image file of a simulated card); none
// for the disk the system lives on and when the disk is unknown.
std::optional<std::string> PhysicalDriveNumber(const platform::Volume& volume);

// Tells whether a disk can be opened for reading and writing.
using DiskWriteCheck = std::function<bool(const std::string& device_path)>;

// Whether the path is a block device or a regular file (an image), looked at without opening
// it: opening a terminal, a pipe or another device can have effects of its own.
bool IsDiskPath(const std::string& device_path);

// Opens the disk for reading and writing (and closes it at once). A path that is neither a
// block device nor a regular file (an image) is no disk and fails without being opened.
bool CanOpenForWriting(const std::string& device_path);

// True when the volume can be a card source: its whole disk is known and is not the system's, and
// when the disk must be opened to tell its kind, it is a disk path (checked before it is opened).
// Then record gets the drive index, the volume's
// root, the disk as its device path and the kind: from the udev database when it knows the disk's
// partitions, else from the LyFS library's look at the disk (an image is read; a disk this user
// may not read holds no LyFS partition that can be seen, so it is a FAT card). Otherwise record is
// left as it was.
bool ProbeLyfsDrive(const platform::Volume& volume, int32_t drive_index, SourceRecord* record);

}  // namespace vantrel
