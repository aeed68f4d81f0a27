// A FAT32 quick format of one partition of a disk image, as the system's formatter would lay it
// on a card: no mounting, only the image file is written.
#pragma once

#include <cstdint>
#include <string>

namespace vantrel::platform {

// Lays a FAT32 file system with `label` into the `sectors` 512-byte sectors from start_sector of
// the image (mkfs.fat). False with the tool's words in *error when it fails.
bool FormatFatImagePartition(const std::string& image, uint32_t start_sector, uint32_t sectors,
                             const std::string& label, std::string* error);

}  // namespace vantrel::platform
