#include "device/simulated_card_formatter.h"

#include <filesystem>
#include <system_error>

#include "lyfs/device_opener.h"
#include "lyfs/partition_table.h"
#include "platform/card_formatter_udisks.h"
#include "platform/fat_image_format.h"

namespace vantrel::device {
namespace {

namespace fs = std::filesystem;

struct Extent {
  uint32_t start = 0;
  uint32_t sectors = 0;
};

// Partition 1 of the image, or the whole image when its table has no partition 1.
std::optional<Extent> FatExtentOf(const std::string& image) {
  std::error_code error;
  const uintmax_t size = fs::file_size(image, error);
  if (error) return std::nullopt;
  const auto device = lyfs::OpenDevice(image, false);
  const auto table = device ? lyfs::ReadPartitionTable(*device) : std::nullopt;
  if (table && (*table)[0].type != 0 && (*table)[0].sectors != 0) {
    const lyfs::PartitionEntry& first = (*table)[0];
    if (uint64_t{first.start_sector} + first.sectors > size / 512) return std::nullopt;
    return Extent{first.start_sector, first.sectors};
  }
  if (size / 512 > UINT32_MAX) return std::nullopt;
  return Extent{0, static_cast<uint32_t>(size / 512)};
}

bool EmptyFolder(const std::string& root) {
  std::error_code error;
  if (!fs::is_directory(root, error)) return false;
  for (const fs::directory_entry& entry : fs::directory_iterator(root, error)) {
    fs::remove_all(entry.path(), error);
    if (error) return false;
  }
  return !error;
}

}  // namespace

bool SimulatedCardFormatter::ReleaseVolume(const platform::Volume&) { return true; }

std::optional<std::string> SimulatedCardFormatter::FormatFat(const platform::Volume& card, Target,
                                                             const std::string& label) {
  std::error_code error;
  if (!fs::is_regular_file(card.device_path, error)) return std::nullopt;
  const std::optional<Extent> extent = FatExtentOf(card.device_path);
  std::string failure;
  if (!extent || !platform::FormatFatImagePartition(card.device_path, extent->start,
                                                    extent->sectors, label, &failure)) {
    return std::nullopt;
  }
  if (!EmptyFolder(card.root)) return std::nullopt;
  return card.root;
}

platform::CardFormatter& FormatterFor(const platform::Volume& card) {
  static SimulatedCardFormatter simulated;
  static platform::UdisksCardFormatter udisks;
  std::error_code error;
  if (fs::is_regular_file(card.device_path, error)) return simulated;
  return udisks;
}

}  // namespace vantrel::device
