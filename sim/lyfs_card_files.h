// The files that tell tests and demonstrations about a written LyFS card: the manifest of its
// recordings, and the description that presents the image as a removable card to the viewer's
// simulated volumes (format in src/platform/volume_description.h).
#pragma once

#include <string>
#include <vector>

#include "sim/lyfs_card_writer.h"

namespace vantrel::sim {

// One line per recording, in the order given: directory, name, size in bytes and SHA-256 (hex),
// separated by tabs. False with *error when the file cannot be written.
bool WriteCardManifest(const std::string& file, const std::vector<WrittenCardFile>& written,
                       std::string* error);

// A description of one removable card with a medium: root is the folder standing in for the
// card's mount point, image the whole card, label its volume label. Paths are written absolute.
// False with *error when the file cannot be written or a path cannot be written on one line as
// it is (a line break in it, or spaces at either end, which the reader would drop).
bool WriteSimulatedCardFile(const std::string& file, const std::string& root,
                            const std::string& image, const std::string& label, std::string* error);

}  // namespace vantrel::sim
