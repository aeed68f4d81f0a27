// Reads one area's file table and turns it into the area's files, trusting nothing in it.
#pragma once

#include <cstdint>
#include <optional>
#include <unordered_set>

#include "lyfs/block_device.h"
#include "lyfs/volume.h"

namespace vantrel::lyfs {

// What the areas of one volume share while they are loaded.
struct LoadContext {
  std::unordered_set<int32_t> ids;  // identifiers of the files accepted so far
  int32_t highest_id = 0;           // over every readable file slot, accepted or not
};

// The area described by `geometry`, whose table lies at `table_offset` bytes on the device.
// A file is left out when its slot is damaged, its identifier or name repeats an earlier file's,
// its continuation chain leaves the table, loops, reaches a slot that is not a continuation of
// it or is already used, an extent lies outside the area or overlaps another accepted file's or
// its own, or its extents hold fewer clusters than its size needs. Slots holding anything are
// never reused, and clusters below the highest extent end of any readable slot never handed out
// again. None only when the table cannot be read.
std::optional<Area> LoadArea(BlockDevice& device, uint64_t table_offset,
                             const AreaGeometry& geometry, LoadContext& context);

// Recomputes clusters_through from extents.
void IndexExtents(FileEntry& file);

}  // namespace vantrel::lyfs
