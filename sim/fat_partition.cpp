#include "sim/fat_partition.h"

#include <filesystem>

#include "lyfs/device_opener.h"
#include "lyfs/partition_table.h"
#include "sim/program_run.h"

namespace vantrel::sim {

namespace {

// mtools' name for the file system that starts `partition` bytes into the image.
std::string MtoolsImage(const std::string& image, const FatPartition& partition) {
  return image + "@@" + std::to_string(partition.start_byte());
}

// A local path mtools cannot take for a drive letter ("a:name").
std::string LocalPath(const std::string& path) {
  return std::filesystem::absolute(path).lexically_normal().string();
}

bool Run(const std::vector<std::string>& words, std::string* error) {
  std::string output;
  const int code = RunProgram(words, &output);
  if (code == 0) return true;
  *error = words[0] + (code < 0 ? " could not be run" : " failed (" + std::to_string(code) + ")");
  if (!output.empty()) *error += ": " + output;
  return false;
}

}  // namespace

std::optional<FatPartition> FindFatPartition(const std::string& image) {
  const auto device = lyfs::OpenDevice(image, false);
  if (!device) return std::nullopt;
  const auto table = lyfs::ReadPartitionTable(*device);
  if (!table || (*table)[0].type != lyfs::kFat32LbaType || (*table)[0].sectors == 0) {
    return std::nullopt;
  }
  return FatPartition{(*table)[0].start_sector, (*table)[0].sectors};
}

bool FormatFatPartition(const std::string& image, const FatPartition& partition,
                        const std::string& label, std::string* error) {
  // The hidden sectors say where the partition starts, as on a card partitioned by a system.
  const std::string start = std::to_string(partition.start_sector);
  // mkfs.fat sizes its clusters by the whole image, not by the partition, so on a large card the
  // small FAT32 partition would get too few clusters for FAT32 and mtools would refuse it. The
  // cluster size is therefore chosen for the partition itself, as the system's own formatter
  // does: 512 bytes up to 260 MiB, 4 KiB above.
  constexpr uint64_t kSmallFat32Sectors = uint64_t{260} << 11;
  const std::string sectors_per_cluster = partition.sectors <= kSmallFat32Sectors ? "1" : "8";
  return Run({"mkfs.fat", "-F", "32", "-s", sectors_per_cluster, "-n", label, "-h", start,
              "--offset", start, LocalPath(image), std::to_string(partition.sectors / 2)},
             error);
}

bool CopyIntoFat(const std::string& image, const FatPartition& partition,
                 const std::string& local_file, const std::string& card_name, std::string* error) {
  return Run({"mcopy", "-o", "-i", MtoolsImage(LocalPath(image), partition), LocalPath(local_file),
              "::/" + card_name},
             error);
}

bool ExtractFat(const std::string& image, const FatPartition& partition, const std::string& folder,
                std::string* error) {
  return Run({"mcopy", "-s", "-n", "-i", MtoolsImage(LocalPath(image), partition), "::*",
              LocalPath(folder) + "/"},
             error);
}

}  // namespace vantrel::sim
