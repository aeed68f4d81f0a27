#include "platform/fat_image_format.h"

#include <filesystem>
#include <vector>

#include "platform/program_run.h"

namespace vantrel::platform {

bool FormatFatImagePartition(const std::string& image, uint32_t start_sector, uint32_t sectors,
                             const std::string& label, std::string* error) {
  // The hidden sectors say where the partition starts, as on a card partitioned by a system.
  const std::string start = std::to_string(start_sector);
  // mkfs.fat sizes its clusters by the whole image, not by the partition, so on a large card the
  // small FAT32 partition would get too few clusters for FAT32 and mtools would refuse it. The
  // cluster size is therefore chosen for the partition itself, as the system's own formatter
  // does: 512 bytes up to 260 MiB, 4 KiB above.
  constexpr uint64_t kSmallFat32Sectors = uint64_t{260} << 11;
  const std::string sectors_per_cluster = sectors <= kSmallFat32Sectors ? "1" : "8";
  // A path mkfs.fat cannot take for an option.
  const std::string path = std::filesystem::absolute(image).lexically_normal().string();
  const std::vector<std::string> words = {
      "mkfs.fat", "-F",       "32",  "-s", sectors_per_cluster,        "-n", label, "-h",
      start,      "--offset", start, path, std::to_string(sectors / 2)};
  std::string output;
  const int code = RunProgram(words, &output);
  if (code == 0) return true;
  *error =
      code < 0 ? "mkfs.fat could not be run" : "mkfs.fat failed (" + std::to_string(code) + ")";
  if (!output.empty()) *error += ": " + output;
  return false;
}

}  // namespace vantrel::platform
