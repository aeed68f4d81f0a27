// The library's calls on a whole device: the LyFS check, the device information and the
// partitioning and format steps of a recorder card.
#include <cstring>
#include <random>

#include "lyfs/byte_io.h"
#include "lyfs/device_opener.h"
#include "lyfs/folder_split.h"
#include "lyfs/formatter.h"
#include "lyfs/lyfs.h"
#include "lyfs/partition_table.h"
#include "lyfs/volume.h"

namespace vantrel::lyfs {
namespace {

constexpr uint32_t kDefaultAlignment = 2048;  // 1 MiB, where cards expect their first partition
constexpr uint32_t kMaxAlignment = 65536;
// A partition table addresses sectors with 32 bits.
constexpr uint64_t kAddressableSectors = UINT32_MAX;

bool EraseSector(BlockDevice& device, uint64_t sector) {
  static const uint8_t zeros[kSectorSize] = {};
  return device.Write(sector * kSectorSize, zeros, sizeof zeros);
}

bool Overlaps(const PartitionEntry& a, uint64_t start, uint64_t end) {
  return a.type != 0 && a.sectors != 0 && a.start_sector < end && start < a.end_sector();
}

uint64_t RoundUp(uint64_t value, uint64_t unit) { return (value + unit - 1) / unit * unit; }

}  // namespace
}  // namespace vantrel::lyfs

using namespace vantrel::lyfs;

extern "C" {

int QX_LyFS_Check_LyFS_partition(const char* device_path) {
  if (device_path == nullptr) return 0;
  const auto device = OpenDevice(device_path, false);
  return device && FindLyfsPartition(*device) ? 1 : 0;
}

int QX_LyFS_Get_Master_Device_Info(const char* device_path, void* info) {
  if (info == nullptr) return LYFS_ERROR_ARGUMENT;
  auto* out = static_cast<uint8_t*>(info);
  std::memset(out, 0, LYFS_MASTER_INFO_SIZE);
  if (device_path == nullptr) return LYFS_ERROR_ARGUMENT;
  auto device = OpenDevice(device_path, true);
  const bool write_protected = !device;
  if (!device) device = OpenDevice(device_path, false);
  if (!device) return LYFS_ERROR_DEVICE;
  const uint64_t sectors = device->size() / kSectorSize;
  Store32(out + 0, LYFS_MASTER_INFO_SIZE);
  Store32(out + 4, kSectorSize);
  Store32(out + 8, write_protected ? 1 : 0);
  Store32(out + 12, static_cast<uint32_t>(std::min(sectors, kAddressableSectors)));
  Store32(out + 16, kDefaultAlignment);
  Store64(out + 20, sectors);
  return LYFS_OK;
}

int QX_LyFS_Delete_Partition(const char* device_path, int flags) {
  if (device_path == nullptr || flags <= 0 || (flags & ~LYFS_DELETE_ALL) != 0) {
    return LYFS_ERROR_ARGUMENT;
  }
  const auto device = OpenDevice(device_path, true);
  if (!device) return LYFS_ERROR_DEVICE;
  const auto table = ReadPartitionTable(*device);
  bool done = true;
  const uint64_t device_sectors = device->size() / kSectorSize;
  for (const PartitionEntry& entry : table.value_or(PartitionTable{})) {
    if (entry.type == 0 || entry.sectors == 0 || entry.start_sector == 0 ||
        entry.end_sector() > device_sectors) {
      continue;
    }
    if (entry.type == kLyfsPartitionType) {
      if (flags & LYFS_DELETE_LYFS_SUPERBLOCKS) {
        done = done && EraseSector(*device, entry.start_sector) &&
               EraseSector(*device, entry.end_sector() - 1);
      }
    } else if (flags & LYFS_DELETE_BOOT_SECTORS) {
      done = done && EraseSector(*device, entry.start_sector);
    }
  }
  if (flags & LYFS_DELETE_TABLE) done = done && WritePartitionTable(*device, PartitionTable{});
  return done && device->Flush() ? LYFS_OK : LYFS_ERROR_DEVICE;
}

int QX_LyFS_Create_Partition(const char* device_path, int number, uint32_t size_low,
                             uint32_t size_high, uint32_t* next_sector, uint32_t* alignment) {
  if (device_path == nullptr || next_sector == nullptr || alignment == nullptr) {
    return LYFS_ERROR_ARGUMENT;
  }
  const uint32_t unit = *alignment;
  if ((number != 1 && number != 2) || unit == 0 || unit > kMaxAlignment || (unit & (unit - 1))) {
    return LYFS_ERROR_ARGUMENT;
  }
  const uint64_t mib = uint64_t{size_high} << 32 | size_low;
  if (mib == 0) return LYFS_ERROR_ARGUMENT;
  const auto device = OpenDevice(device_path, true);
  if (!device) return LYFS_ERROR_DEVICE;

  const uint64_t limit = std::min(device->size() / kSectorSize, kAddressableSectors);
  const uint64_t start = RoundUp(*next_sector != 0 ? *next_sector : unit, unit);
  if (start >= limit) return LYFS_ERROR_NO_SPACE;
  const uint64_t room = limit - start;
  const uint64_t sectors = mib > room / 2048 ? room : mib * 2048;  // cut at the device's end
  PartitionTable table = ReadPartitionTable(*device).value_or(PartitionTable{});
  for (size_t i = 0; i < table.size(); ++i) {
    if (i != static_cast<size_t>(number - 1) && Overlaps(table[i], start, start + sectors)) {
      return LYFS_ERROR_NO_SPACE;
    }
  }
  table[number - 1] = PartitionEntry{number == 1 ? kFat32LbaType : kLyfsPartitionType,
                                     static_cast<uint32_t>(start), static_cast<uint32_t>(sectors)};
  if (!WritePartitionTable(*device, table) || !device->Flush()) return LYFS_ERROR_DEVICE;
  *next_sector =
      static_cast<uint32_t>(std::min(RoundUp(start + sectors, unit), kAddressableSectors));
  return LYFS_OK;
}

int QX_LyFS_Format(const char* device_path, const char* partition_device_path, int partition,
                   int kind, const void* split, int reserved) {
  if (device_path == nullptr || partition_device_path == nullptr || split == nullptr ||
      std::strcmp(device_path, partition_device_path) != 0 || kind != LYFS_FORMAT_QUICK ||
      partition < 1 || partition > 4) {
    return LYFS_ERROR_ARGUMENT;
  }
  const auto entries = DecodeFolderSplit(static_cast<const uint8_t*>(split));
  if (!entries) return LYFS_ERROR_ARGUMENT;
  const auto device = OpenDevice(device_path, true);
  if (!device) return LYFS_ERROR_DEVICE;
  const auto table = ReadPartitionTable(*device);
  if (!table) return LYFS_ERROR_NOT_LYFS;
  std::random_device random;
  const uint64_t volume_id = uint64_t{random()} << 32 | random();
  return FormatPartition(*device, (*table)[partition - 1], *entries, volume_id);
}

}  // extern "C"
