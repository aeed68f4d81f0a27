// Which source and which volume a chosen or dropped path belongs to. The viewer remembers the
// volume of the opened source so that taking that card out empties the list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/recording_catalogue.h"
#include "platform/volume.h"

namespace vantrel::ui {

// The source a chosen path opens. A card opens only when the path is its mount point; the folder
// picker and file managers name a mount point without the trailing "/" that card roots carry, so
// that spelling opens the card too. Anything else opens the computer-folder source.
int SourceIndexForChosenPath(const RecordingCatalogue& catalogue, std::string_view path);

// The root (as the volume gives it) of the mounted volume holding path: the volume whose root is
// the longest run of whole leading components of the path. Both are compared absolute and
// lexically normal, so "card/./REC" and "/media/card" (without the slash) still match. Empty when
// no volume holds the path.
std::string VolumeRootHolding(const std::vector<platform::Volume>& volumes, std::string_view path);

}  // namespace vantrel::ui
