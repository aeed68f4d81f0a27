// The card's MBR partition table: four primary entries in sector 0. A recorder card carries a
// small FAT32 partition (entry 1) and the LyFS area (entry 2).
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "lyfs/block_device.h"

namespace vantrel::lyfs {

constexpr uint32_t kSectorSize = 512;
constexpr uint8_t kFat32LbaType = 0x0C;
// "Non-FS data": systems list the partition but mount nothing on it.
constexpr uint8_t kLyfsPartitionType = 0xDA;

struct PartitionEntry {
  uint8_t type = 0;  // 0: unused
  uint32_t start_sector = 0;
  uint32_t sectors = 0;

  uint64_t start_byte() const { return uint64_t{start_sector} * kSectorSize; }
  uint64_t end_sector() const { return uint64_t{start_sector} + sectors; }
};

using PartitionTable = std::array<PartitionEntry, 4>;

// The table of sector 0; none when the sector cannot be read or lacks the 0x55 0xAA signature.
// Entries are returned as written: callers check them against the device size.
std::optional<PartitionTable> ReadPartitionTable(BlockDevice& device);

// Writes the four entries and the signature, keeping the boot code and disk signature already in
// sector 0 (a device without a readable sector 0 fails).
bool WritePartitionTable(BlockDevice& device, const PartitionTable& table);

}  // namespace vantrel::lyfs
