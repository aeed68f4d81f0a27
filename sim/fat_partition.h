// The FAT32 partition of a simulated LyFS card image (partition 1 of its table), made and filled
// with the system's dosfstools and mtools, as the recorder maker's tools leave it: no mounting.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vantrel::sim {

struct FatPartition {
  uint32_t start_sector = 0;  // 512-byte sectors
  uint32_t sectors = 0;

  uint64_t start_byte() const { return uint64_t{start_sector} * 512; }
};

// Partition 1 of the image's table when it is a FAT32 (LBA) partition; none otherwise.
std::optional<FatPartition> FindFatPartition(const std::string& image);

// Lays a FAT32 file system with the volume label into the partition (mkfs.fat). False with the
// tool's words in *error when it fails.
bool FormatFatPartition(const std::string& image, const FatPartition& partition,
                        const std::string& label, std::string* error);

// Copies the local file into the partition's root as card_name, replacing one of that name.
bool CopyIntoFat(const std::string& image, const FatPartition& partition,
                 const std::string& local_file, const std::string& card_name, std::string* error);

// Copies everything in the partition into folder (which must exist), replacing files there.
bool ExtractFat(const std::string& image, const FatPartition& partition, const std::string& folder,
                std::string* error);

}  // namespace vantrel::sim
