#include "lyfs/partition_table.h"

#include "lyfs/byte_io.h"

namespace vantrel::lyfs {
namespace {

constexpr size_t kTableOffset = 446;
constexpr size_t kEntrySize = 16;
constexpr size_t kSignatureOffset = 510;
// CHS fields of an entry addressed by LBA only: the largest CHS address, as partitioners write
// for cards beyond CHS reach. Readers here use the LBA fields alone.
constexpr uint8_t kLbaOnlyChs[3] = {0xFE, 0xFF, 0xFF};

}  // namespace

std::optional<PartitionTable> ReadPartitionTable(BlockDevice& device) {
  uint8_t sector[kSectorSize];
  if (!device.Read(0, sector, sizeof sector)) return std::nullopt;
  if (sector[kSignatureOffset] != 0x55 || sector[kSignatureOffset + 1] != 0xAA) return std::nullopt;
  PartitionTable table;
  for (size_t i = 0; i < table.size(); ++i) {
    const uint8_t* entry = sector + kTableOffset + i * kEntrySize;
    table[i].type = entry[4];
    table[i].start_sector = Load32(entry + 8);
    table[i].sectors = Load32(entry + 12);
  }
  return table;
}

bool WritePartitionTable(BlockDevice& device, const PartitionTable& table) {
  uint8_t sector[kSectorSize];
  if (!device.Read(0, sector, sizeof sector)) return false;
  for (size_t i = 0; i < table.size(); ++i) {
    uint8_t* entry = sector + kTableOffset + i * kEntrySize;
    const PartitionEntry& source = table[i];
    for (size_t b = 0; b < kEntrySize; ++b) entry[b] = 0;
    if (source.type == 0) continue;
    for (int b = 0; b < 3; ++b) entry[1 + b] = entry[5 + b] = kLbaOnlyChs[b];
    entry[4] = source.type;
    Store32(entry + 8, source.start_sector);
    Store32(entry + 12, source.sectors);
  }
  sector[kSignatureOffset] = 0x55;
  sector[kSignatureOffset + 1] = 0xAA;
  return device.Write(0, sector, sizeof sector);
}

}  // namespace vantrel::lyfs
