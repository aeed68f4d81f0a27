// Opening a source of the catalogue's source list: the open LyFS card (if any) is closed first,
// then the source is scanned into the catalogue: a FAT card as its whole folder tree, a LyFS card
// through the LyFS library, the computer-folder source from the chosen or dropped items.
#pragma once

#include <string>
#include <vector>

#include "catalogue/recording_catalogue.h"

namespace vantrel {

// Where the items of a computer-folder open come from.
enum class ItemOrigin { kPicked, kDropped };

// False for a negative index or one beyond the list, otherwise the scan's result; the open
// source kind is the source's from the start of the scan on. A FAT card's scan counts as done
// even when its root cannot be listed. On success the entries are sorted and the index becomes
// the opened source's. Items are only read for the computer-folder source.
bool OpenSource(RecordingCatalogue& catalogue, int index, const std::vector<std::string>& items,
                ItemOrigin origin);

}  // namespace vantrel
