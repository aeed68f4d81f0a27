#include "lyfs/layout.h"

#include <algorithm>

#include "lyfs/file_slot.h"
#include "lyfs/partition_table.h"

namespace vantrel::lyfs {
namespace {

constexpr uint64_t kLargeAlignment = 2048;    // 1 MiB
constexpr uint64_t kSmallAlignment = 8;       // 4 KiB
constexpr uint64_t kLargePartition = 131072;  // 64 MiB

uint64_t RoundUp(uint64_t value, uint64_t unit) { return (value + unit - 1) / unit * unit; }

}  // namespace

std::optional<Superblock> PlanLayout(uint64_t partition_sectors,
                                     const std::vector<FolderSplitEntry>& split,
                                     uint64_t volume_id) {
  if (partition_sectors > UINT32_MAX) return std::nullopt;
  const uint64_t alignment =
      partition_sectors >= kLargePartition ? kLargeAlignment : kSmallAlignment;
  const uint64_t first = alignment;
  const uint64_t usable_end =
      partition_sectors < 1 ? 0 : (partition_sectors - 1) / alignment * alignment;
  if (usable_end <= first) return std::nullopt;
  const uint64_t usable = usable_end - first;

  Superblock superblock;
  superblock.partition_sectors = partition_sectors;
  superblock.volume_id = volume_id;
  uint64_t next = first;
  for (const FolderSplitEntry& entry : split) {
    AreaGeometry area;
    area.name = entry.name;
    area.share_percent = entry.share_percent;
    area.cluster_shift = 10 + entry.cluster_exponent;
    area.start_sector = next;
    area.sectors = usable * entry.share_percent / 100 / alignment * alignment;
    const uint64_t cluster_sectors = area.cluster_bytes() / kSectorSize;
    const uint64_t table_limit = std::max<uint64_t>(1, area.sectors * kSectorSize / 8 / kSlotSize);
    area.table_capacity =
        static_cast<uint32_t>(std::min<uint64_t>(entry.file_capacity, table_limit));
    const uint64_t table_sectors =
        RoundUp(RoundUp(uint64_t{area.table_capacity} * kSlotSize, kSectorSize) / kSectorSize,
                cluster_sectors);
    if (table_sectors >= area.sectors) return std::nullopt;
    area.table_sectors = static_cast<uint32_t>(table_sectors);
    area.data_start_sector = area.start_sector + table_sectors;
    area.data_clusters = static_cast<uint32_t>((area.sectors - table_sectors) / cluster_sectors);
    if (area.data_clusters == 0) return std::nullopt;
    next += area.sectors;
    superblock.areas.push_back(std::move(area));
  }
  if (!IsConsistent(superblock)) return std::nullopt;
  return superblock;
}

}  // namespace vantrel::lyfs
