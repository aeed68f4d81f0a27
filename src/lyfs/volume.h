// A mounted LyFS partition: its areas, their files and where every byte of a file lies. Mount
// reads and checks all metadata once; afterwards the library serves lists and reads from here
// and keeps it up to date as it writes.
// Not thread-safe: the owner of the open device serialises calls. The volume reads and writes
// through a device it does not own, which must outlive it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "lyfs/block_device.h"
#include "lyfs/file_slot.h"
#include "lyfs/partition_table.h"
#include "lyfs/superblock.h"

namespace vantrel::lyfs {

struct FileEntry {
  int32_t id = 0;
  std::string name;
  uint64_t size = 0;
  uint32_t slot = 0;                         // its file slot
  std::vector<uint32_t> continuation_slots;  // in chain order
  std::vector<Extent> extents;               // in file order
  std::vector<uint64_t> clusters_through;    // clusters_through[i]: clusters in extents 0..i

  uint64_t allocated_clusters() const {
    return clusters_through.empty() ? 0 : clusters_through.back();
  }
};

struct Area {
  AreaGeometry geometry;
  std::vector<FileEntry> files;  // in slot order; entries are never removed
  std::unordered_map<std::string, size_t> file_by_name;
  std::vector<bool> occupied;      // per slot: in use, or damaged and so never reused
  uint32_t next_free_cluster = 0;  // every cluster from here on is free
};

struct FileLocation {
  size_t area = 0;
  size_t file = 0;
};

// The LyFS partition of a device: the first table entry of the LyFS type that lies inside the
// device and whose superblock, primary or else backup, is valid and agrees with the entry.
struct FoundPartition {
  PartitionEntry entry;
  Superblock superblock;
};
std::optional<FoundPartition> FindLyfsPartition(BlockDevice& device);

class Volume {
 public:
  // Mounts the LyFS partition of `device`. Damaged or contradictory files are left out (see
  // table_loader.h); none when there is no LyFS partition or its tables cannot be read.
  static std::optional<Volume> Mount(BlockDevice& device);

  BlockDevice& device() const { return *device_; }
  uint64_t partition_offset() const { return partition_.start_byte(); }
  std::vector<Area>& areas() { return areas_; }
  const std::vector<Area>& areas() const { return areas_; }

  std::optional<size_t> FindArea(std::string_view name) const;
  std::optional<FileLocation> FindFile(int32_t id) const;
  const FileEntry& file(FileLocation at) const { return areas_[at.area].files[at.file]; }
  FileEntry& file(FileLocation at) { return areas_[at.area].files[at.file]; }

  // A new identifier, above every identifier on the card; none once they are used up.
  std::optional<int32_t> TakeFileId();
  // Records a file the writer added to an area.
  void AddFile(size_t area, FileEntry entry);
  // Byte offset on the device of a cluster of an area.
  uint64_t ClusterOffset(const Area& area, uint64_t cluster) const;

 private:
  Volume(BlockDevice& device, PartitionEntry partition) : device_(&device), partition_(partition) {}

  BlockDevice* device_;
  PartitionEntry partition_;
  std::vector<Area> areas_;
  std::unordered_map<int32_t, FileLocation> file_by_id_;
  int64_t next_file_id_ = 1;
};

}  // namespace vantrel::lyfs
