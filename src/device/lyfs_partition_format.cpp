#include "device/lyfs_partition_format.h"

#include <array>
#include <cstdint>

#include "device/card_labels.h"
#include "device/lyfs_folder_split.h"
#include "lyfs/byte_io.h"
#include "lyfs/lyfs.h"

namespace vantrel::device {

unsigned LyfsFirstPartitionMiB(std::string_view model) {
  return IsMeridaVariant(model) ? 160 : 110;
}

int LyfsPartitionFormat(const std::string& device_path, std::string_view model, int sd_allocation) {
  const uint64_t first_mib = LyfsFirstPartitionMiB(model);
  std::array<uint8_t, LYFS_MASTER_INFO_SIZE> info{};
  QX_LyFS_Get_Master_Device_Info(device_path.c_str(), info.data());
  const uint64_t total_kib = uint64_t{lyfs::Load32(info.data() + 12)} * 512 / 1024;
  if (total_kib == 0) return kLyfsFormatTooSmall;

  const char* path = device_path.c_str();
  if (QX_LyFS_Delete_Partition(path, LYFS_DELETE_ALL) != 0) return kLyfsFormatDeleteFailed;

  uint32_t next_sector = 0;
  uint32_t alignment = lyfs::Load32(info.data() + 16);
  if (QX_LyFS_Create_Partition(path, 1, static_cast<uint32_t>(first_mib), 0, &next_sector,
                               &alignment) != 0) {
    return kLyfsFormatFirstFailed;
  }
  // A card smaller than partition 1 leaves nothing for partition 2; the difference must not
  // wrap round into a huge size.
  const uint64_t first_kib = first_mib * 1024;
  const uint64_t second_mib = total_kib > first_kib ? (total_kib - first_kib) / 1024 : 0;
  if (QX_LyFS_Create_Partition(path, 2, static_cast<uint32_t>(second_mib),
                               static_cast<uint32_t>(second_mib >> 32), &next_sector,
                               &alignment) != 0) {
    return kLyfsFormatSecondFailed;
  }
  const LyfsFolderSplit split = BuildLyfsFolderSplit(model, sd_allocation);
  if (QX_LyFS_Format(path, path, 2, LYFS_FORMAT_QUICK, split.data(), 0) != 0) {
    return kLyfsFormatLyfsFailed;
  }
  return kLyfsFormatDone;
}

}  // namespace vantrel::device
