#include "sim/fat_partition.h"

#include <filesystem>

#include "lyfs/device_opener.h"
#include "lyfs/partition_table.h"
#include "platform/fat_image_format.h"
#include "platform/program_run.h"

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
  const int code = platform::RunProgram(words, &output);
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
  return platform::FormatFatImagePartition(image, partition.start_sector, partition.sectors, label,
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
