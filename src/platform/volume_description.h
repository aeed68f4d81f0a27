// The description file of simulated volumes, read by SimulatedVolumeProvider for tests, demos and
// the command-line tool where no real card is at hand. UTF-8 text, one setting a line:
//
//   # a comment; blank lines are ignored
//   [volume]
//   root = cards/card1            folder that plays the mounted card (required)
//   label = CARD 1                (default: none)
//   file_system = vfat            (default "vfat")
//   removable = 1                 1 or 0, also true or false (default 1)
//   sector_size = 512             bytes per sector, 0 for no medium (default 512)
//   device = images/card1.img     the card's whole-disk image, or "none" (default none)
//   system = 0                    1 when the volume stands for the system disk (default 0)
//   read_only = 0                 (default 0)
//
// Each "[volume]" line starts a volume. Keys and values lose the spaces and tabs around them,
// and a CR before the line end. Relative paths are taken from the description file's folder.
// A line that cannot be understood (no "=", an unknown or empty key, a value that is not a number
// or a flag, a setting before the first "[volume]") is skipped and reported; a volume without a
// root, or with the root of an earlier one, is dropped and reported. Nothing stops the reading.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/volume.h"

namespace vantrel::platform {

struct VolumeDescription {
  std::vector<Volume> volumes;
  // One text per skipped line or dropped volume: "line 7: unknown key \"colour\"".
  std::vector<std::string> problems;
};

VolumeDescription ParseVolumeDescription(std::string_view text,
                                         const std::filesystem::path& base_folder);

}  // namespace vantrel::platform
