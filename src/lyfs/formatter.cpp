#include "lyfs/formatter.h"

#include <algorithm>
#include <vector>

#include "lyfs/layout.h"
#include "lyfs/lyfs.h"
#include "lyfs/superblock.h"

namespace vantrel::lyfs {
namespace {

bool WriteZeros(BlockDevice& device, uint64_t offset, uint64_t count) {
  static const std::vector<uint8_t> zeros(1 << 16);
  while (count > 0) {
    const size_t chunk = static_cast<size_t>(std::min<uint64_t>(count, zeros.size()));
    if (!device.Write(offset, zeros.data(), chunk)) return false;
    offset += chunk;
    count -= chunk;
  }
  return true;
}

}  // namespace

int FormatPartition(BlockDevice& device, const PartitionEntry& partition,
                    const std::vector<FolderSplitEntry>& split, uint64_t volume_id) {
  if (partition.type != kLyfsPartitionType || partition.start_sector == 0 ||
      !InBounds(partition.start_byte(), uint64_t{partition.sectors} * kSectorSize, device.size())) {
    return LYFS_ERROR_ARGUMENT;
  }
  const auto superblock = PlanLayout(partition.sectors, split, volume_id);
  if (!superblock) return LYFS_ERROR_NO_SPACE;

  const uint64_t base = partition.start_byte();
  const uint64_t backup = base + (uint64_t{partition.sectors} - 1) * kSectorSize;
  bool written = WriteZeros(device, base, kSectorSize) && WriteZeros(device, backup, kSectorSize);
  for (const AreaGeometry& area : superblock->areas) {
    written = written && WriteZeros(device, base + area.start_sector * kSectorSize,
                                    uint64_t{area.table_sectors} * kSectorSize);
  }
  const auto bytes = EncodeSuperblock(*superblock);
  written = written && device.Write(backup, bytes.data(), bytes.size()) && device.Flush() &&
            device.Write(base, bytes.data(), bytes.size()) && device.Flush();
  return written ? LYFS_OK : LYFS_ERROR_DEVICE;
}

}  // namespace vantrel::lyfs
