// Where a fresh format puts each directory's area, table and clusters in a partition.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "lyfs/folder_split.h"
#include "lyfs/superblock.h"

namespace vantrel::lyfs {

// The superblock of a freshly formatted partition of `partition_sectors` sectors: areas in the
// split's order, each its share of the space between the primary and backup superblocks, on
// 1 MiB boundaries (4 KiB in partitions under 64 MiB). A table never takes more than an eighth
// of its area, so a split's capacity may be lowered. None when an area would get no room.
std::optional<Superblock> PlanLayout(uint64_t partition_sectors,
                                     const std::vector<FolderSplitEntry>& split,
                                     uint64_t volume_id);

}  // namespace vantrel::lyfs
