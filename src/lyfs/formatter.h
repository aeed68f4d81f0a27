// Lays a fresh, empty LyFS file system into a partition.
#pragma once

#include <cstdint>
#include <vector>

#include "lyfs/block_device.h"
#include "lyfs/folder_split.h"
#include "lyfs/partition_table.h"

namespace vantrel::lyfs {

// Plans the areas (layout.h), empties their file tables and writes the superblock, backup copy
// first: until the primary is written the partition is not a LyFS partition, so an interrupted
// format never leaves a superblock over half-cleared tables. Returns LYFS_OK or an error:
// LYFS_ERROR_ARGUMENT for a partition that is not LyFS or lies outside the device,
// LYFS_ERROR_NO_SPACE when the split does not fit, LYFS_ERROR_DEVICE when a write fails.
int FormatPartition(BlockDevice& device, const PartitionEntry& partition,
                    const std::vector<FolderSplitEntry>& split, uint64_t volume_id);

}  // namespace vantrel::lyfs
