#include "lyfs/volume.h"

#include <array>

#include "lyfs/table_loader.h"

namespace vantrel::lyfs {
namespace {

std::optional<Superblock> ReadSuperblockAt(BlockDevice& device, uint64_t offset,
                                           const PartitionEntry& entry) {
  std::array<uint8_t, kSectorSize> sector;
  if (!device.Read(offset, sector.data(), sector.size())) return std::nullopt;
  auto superblock = DecodeSuperblock(sector.data());
  if (!superblock || superblock->partition_sectors != entry.sectors) return std::nullopt;
  return superblock;
}

}  // namespace

std::optional<FoundPartition> FindLyfsPartition(BlockDevice& device) {
  const auto table = ReadPartitionTable(device);
  if (!table) return std::nullopt;
  for (const PartitionEntry& entry : *table) {
    if (entry.type != kLyfsPartitionType || entry.start_sector == 0 || entry.sectors < 3 ||
        !InBounds(entry.start_byte(), uint64_t{entry.sectors} * kSectorSize, device.size())) {
      continue;
    }
    auto superblock = ReadSuperblockAt(device, entry.start_byte(), entry);
    if (!superblock) {
      const uint64_t backup = entry.start_byte() + (uint64_t{entry.sectors} - 1) * kSectorSize;
      superblock = ReadSuperblockAt(device, backup, entry);
    }
    if (superblock) return FoundPartition{entry, std::move(*superblock)};
  }
  return std::nullopt;
}

std::optional<Volume> Volume::Mount(BlockDevice& device) {
  auto found = FindLyfsPartition(device);
  if (!found) return std::nullopt;
  Volume volume(device, found->entry);
  LoadContext context;
  for (const AreaGeometry& geometry : found->superblock.areas) {
    auto area = LoadArea(device, volume.partition_offset() + geometry.start_sector * kSectorSize,
                         geometry, context);
    if (!area) return std::nullopt;
    for (size_t i = 0; i < area->files.size(); ++i) {
      volume.file_by_id_.emplace(area->files[i].id, FileLocation{volume.areas_.size(), i});
    }
    volume.areas_.push_back(std::move(*area));
  }
  volume.next_file_id_ = int64_t{context.highest_id} + 1;
  return volume;
}

std::optional<size_t> Volume::FindArea(std::string_view name) const {
  for (size_t i = 0; i < areas_.size(); ++i) {
    if (areas_[i].geometry.name == name) return i;
  }
  return std::nullopt;
}

std::optional<FileLocation> Volume::FindFile(int32_t id) const {
  const auto found = file_by_id_.find(id);
  if (found == file_by_id_.end()) return std::nullopt;
  return found->second;
}

std::optional<int32_t> Volume::TakeFileId() {
  if (next_file_id_ > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(next_file_id_++);
}

void Volume::AddFile(size_t area, FileEntry entry) {
  Area& target = areas_[area];
  const size_t index = target.files.size();
  file_by_id_.emplace(entry.id, FileLocation{area, index});
  target.file_by_name.emplace(entry.name, index);
  target.files.push_back(std::move(entry));
}

uint64_t Volume::ClusterOffset(const Area& area, uint64_t cluster) const {
  return partition_offset() + area.geometry.data_start_sector * kSectorSize +
         (cluster << area.geometry.cluster_shift);
}

}  // namespace vantrel::lyfs
