// The LyFS superblock: the partition's geometry, one descriptor per directory area. It is
// written once by the format, at the partition's first sector and again at its last sector.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::lyfs {

constexpr size_t kMaxAreas = 4;
constexpr uint32_t kMaxTableCapacity = 65536;
constexpr uint32_t kMinClusterShift = 9;   // 512-byte clusters
constexpr uint32_t kMaxClusterShift = 20;  // 1 MiB clusters

// One directory's area. Sectors count from the partition's first sector.
struct AreaGeometry {
  std::string name;
  uint32_t share_percent = 0;
  uint32_t cluster_shift = 0;  // cluster bytes = 1 << cluster_shift
  uint64_t start_sector = 0;
  uint64_t sectors = 0;
  uint32_t table_capacity = 0;  // file table slots
  uint32_t table_sectors = 0;
  uint64_t data_start_sector = 0;  // start_sector + table_sectors
  uint32_t data_clusters = 0;

  uint64_t cluster_bytes() const { return uint64_t{1} << cluster_shift; }
};

struct Superblock {
  uint64_t partition_sectors = 0;
  uint64_t volume_id = 0;
  std::vector<AreaGeometry> areas;
};

std::array<uint8_t, 512> EncodeSuperblock(const Superblock& superblock);

// A superblock from its 512 bytes: none unless the magic, major version, checksum and the whole
// geometry hold (areas inside the partition, apart from each other and from both superblock
// copies; tables large enough for their capacity; clusters inside their area).
std::optional<Superblock> DecodeSuperblock(const uint8_t* sector);

// The geometry check of DecodeSuperblock, also applied to layouts before they are written.
bool IsConsistent(const Superblock& superblock);

}  // namespace vantrel::lyfs
