#include "lyfs/superblock.h"

#include <algorithm>
#include <cstring>

#include "lyfs/byte_io.h"
#include "lyfs/crc32.h"
#include "lyfs/file_slot.h"
#include "lyfs/names.h"
#include "lyfs/partition_table.h"

namespace vantrel::lyfs {
namespace {

constexpr uint8_t kMagic[8] = {'L', 'Y', 'F', 'S', 'S', 'U', 'P', 'R'};
constexpr uint16_t kMajorVersion = 1;
constexpr uint16_t kMinorVersion = 0;
constexpr size_t kAreasOffset = 48;
constexpr size_t kAreaSize = 112;
constexpr size_t kNameFieldSize = 64;
constexpr size_t kCrcOffset = 508;

bool AreaIsConsistent(const AreaGeometry& area, uint64_t partition_sectors) {
  // The backup superblock owns the last sector, the primary the first.
  const uint64_t usable_end = partition_sectors - 1;
  if (!IsValidName(area.name, kMaxDirectoryNameLength) || area.share_percent > 100) return false;
  if (area.cluster_shift < kMinClusterShift || area.cluster_shift > kMaxClusterShift) return false;
  if (area.table_capacity == 0 || area.table_capacity > kMaxTableCapacity) return false;
  if (area.start_sector < 1 || area.start_sector > usable_end) return false;
  if (area.sectors == 0 || area.sectors > usable_end - area.start_sector) return false;
  const uint64_t table_bytes = uint64_t{area.table_capacity} * kSlotSize;
  if (uint64_t{area.table_sectors} * kSectorSize < table_bytes) return false;
  if (area.table_sectors > area.sectors) return false;
  if (area.data_start_sector != area.start_sector + area.table_sectors) return false;
  const uint64_t cluster_sectors = area.cluster_bytes() / kSectorSize;
  return uint64_t{area.data_clusters} * cluster_sectors <= area.sectors - area.table_sectors;
}

}  // namespace

bool IsConsistent(const Superblock& superblock) {
  const uint64_t sectors = superblock.partition_sectors;
  if (sectors < 3 || sectors > UINT32_MAX) return false;
  if (superblock.areas.empty() || superblock.areas.size() > kMaxAreas) return false;
  std::vector<const AreaGeometry*> ordered;
  for (const AreaGeometry& area : superblock.areas) {
    if (!AreaIsConsistent(area, sectors)) return false;
    for (const AreaGeometry* other : ordered) {
      if (other->name == area.name) return false;
    }
    ordered.push_back(&area);
  }
  std::sort(ordered.begin(), ordered.end(),
            [](const auto* a, const auto* b) { return a->start_sector < b->start_sector; });
  for (size_t i = 1; i < ordered.size(); ++i) {
    if (ordered[i - 1]->start_sector + ordered[i - 1]->sectors > ordered[i]->start_sector) {
      return false;
    }
  }
  return true;
}

std::array<uint8_t, 512> EncodeSuperblock(const Superblock& superblock) {
  std::array<uint8_t, 512> bytes{};
  uint8_t* out = bytes.data();
  std::memcpy(out, kMagic, sizeof kMagic);
  Store16(out + 8, kMajorVersion);
  Store16(out + 10, kMinorVersion);
  Store32(out + 12, static_cast<uint32_t>(bytes.size()));
  Store64(out + 16, superblock.partition_sectors);
  Store32(out + 24, kSectorSize);
  Store32(out + 28, static_cast<uint32_t>(superblock.areas.size()));
  Store64(out + 32, superblock.volume_id);
  for (size_t i = 0; i < superblock.areas.size() && i < kMaxAreas; ++i) {
    const AreaGeometry& area = superblock.areas[i];
    uint8_t* field = out + kAreasOffset + i * kAreaSize;
    std::memcpy(field, area.name.data(), std::min(area.name.size(), kNameFieldSize - 1));
    Store32(field + 64, area.share_percent);
    Store32(field + 68, area.cluster_shift);
    Store64(field + 72, area.start_sector);
    Store64(field + 80, area.sectors);
    Store32(field + 88, area.table_capacity);
    Store32(field + 92, area.table_sectors);
    Store64(field + 96, area.data_start_sector);
    Store32(field + 104, area.data_clusters);
  }
  Store32(out + kCrcOffset, Crc32(out, kCrcOffset));
  return bytes;
}

std::optional<Superblock> DecodeSuperblock(const uint8_t* sector) {
  if (std::memcmp(sector, kMagic, sizeof kMagic) != 0) return std::nullopt;
  if (Load32(sector + kCrcOffset) != Crc32(sector, kCrcOffset)) return std::nullopt;
  if (Load16(sector + 8) != kMajorVersion || Load32(sector + 12) != 512 ||
      Load32(sector + 24) != kSectorSize) {
    return std::nullopt;
  }
  Superblock superblock;
  superblock.partition_sectors = Load64(sector + 16);
  superblock.volume_id = Load64(sector + 32);
  const uint32_t count = Load32(sector + 28);
  if (count == 0 || count > kMaxAreas) return std::nullopt;
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* field = sector + kAreasOffset + i * kAreaSize;
    AreaGeometry area;
    std::string_view name;
    if (!ReadNameField(field, kNameFieldSize, &name)) return std::nullopt;
    area.name = std::string(name);
    area.share_percent = Load32(field + 64);
    area.cluster_shift = Load32(field + 68);
    area.start_sector = Load64(field + 72);
    area.sectors = Load64(field + 80);
    area.table_capacity = Load32(field + 88);
    area.table_sectors = Load32(field + 92);
    area.data_start_sector = Load64(field + 96);
    area.data_clusters = Load32(field + 104);
    superblock.areas.push_back(std::move(area));
  }
  if (!IsConsistent(superblock)) return std::nullopt;
  return superblock;
}

}  // namespace vantrel::lyfs
