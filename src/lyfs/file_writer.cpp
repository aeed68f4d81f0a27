#include "lyfs/file_writer.h"

#include <algorithm>

#include "lyfs/file_data.h"
#include "lyfs/lyfs.h"
#include "lyfs/names.h"
#include "lyfs/table_loader.h"

namespace vantrel::lyfs {
namespace {

constexpr uint64_t kAllocationRunBytes = 4 << 20;

std::optional<uint32_t> FindFreeSlot(const Area& area) {
  const auto free = std::find(area.occupied.begin(), area.occupied.end(), false);
  if (free == area.occupied.end()) return std::nullopt;
  return static_cast<uint32_t>(free - area.occupied.begin());
}

bool WriteSlot(Volume& volume, const Area& area, uint32_t index, const SlotContent& content) {
  const auto bytes = EncodeSlot(content);
  const uint64_t offset = volume.partition_offset() + area.geometry.start_sector * kSectorSize +
                          uint64_t{index} * kSlotSize;
  return volume.device().Write(offset, bytes.data(), bytes.size());
}

// Writes the continuation slots from the last one back, then the file slot, so the file slot
// never points at a continuation not yet written.
bool WriteFileSlots(Volume& volume, const Area& area, const FileEntry& file) {
  const auto chain_extents = [&](size_t link) {
    const size_t first = kFileSlotExtents + link * kContinuationSlotExtents;
    const size_t last = std::min(file.extents.size(), first + kContinuationSlotExtents);
    return std::vector<Extent>(
        file.extents.begin() + static_cast<std::ptrdiff_t>(std::min(first, last)),
        file.extents.begin() + static_cast<std::ptrdiff_t>(last));
  };
  const auto next_of = [&](size_t link) {
    return link < file.continuation_slots.size() ? file.continuation_slots[link] : kNoSlot;
  };
  for (size_t link = file.continuation_slots.size(); link-- > 0;) {
    SlotContent slot{SlotKind::kContinuation, file.id, next_of(link + 1), 0, {},
                     chain_extents(link)};
    if (!WriteSlot(volume, area, file.continuation_slots[link], slot)) return false;
  }
  const size_t head_extents = std::min(file.extents.size(), kFileSlotExtents);
  SlotContent head{
      SlotKind::kFile,
      file.id,
      next_of(0),
      file.size,
      file.name,
      std::vector<Extent>(file.extents.begin(),
                          file.extents.begin() + static_cast<std::ptrdiff_t>(head_extents))};
  return WriteSlot(volume, area, file.slot, head);
}

size_t ExtentsHeld(const FileEntry& file) {
  return kFileSlotExtents + file.continuation_slots.size() * kContinuationSlotExtents;
}

// Gives the file at least `wanted` more clusters from the area's free end.
int Allocate(Area& area, FileEntry& file, uint64_t wanted) {
  const uint64_t free = area.geometry.data_clusters - area.next_free_cluster;
  if (wanted > free) return LYFS_ERROR_NO_SPACE;
  const uint64_t run =
      std::min(free, std::max(wanted, kAllocationRunBytes >> area.geometry.cluster_shift));
  const uint32_t start = area.next_free_cluster;
  if (!file.extents.empty() && file.extents.back().start + file.extents.back().count == start) {
    file.extents.back().count += static_cast<uint32_t>(run);
  } else {
    if (file.extents.size() == ExtentsHeld(file)) {
      const auto slot = FindFreeSlot(area);
      if (!slot) return LYFS_ERROR_TABLE_FULL;
      area.occupied[*slot] = true;
      file.continuation_slots.push_back(*slot);
    }
    file.extents.push_back(Extent{start, static_cast<uint32_t>(run)});
  }
  area.next_free_cluster += static_cast<uint32_t>(run);
  IndexExtents(file);
  return LYFS_OK;
}

}  // namespace

int CreateEntry(Volume& volume, size_t area_index, std::string_view name, FileLocation* location) {
  Area& area = volume.areas()[area_index];
  if (!IsValidName(name, kMaxFileNameLength)) return LYFS_ERROR_ARGUMENT;
  if (area.file_by_name.count(std::string(name)) != 0) return LYFS_ERROR_EXISTS;
  if (!volume.device().writable()) return LYFS_ERROR_READ_ONLY;
  const auto slot = FindFreeSlot(area);
  if (!slot) return LYFS_ERROR_TABLE_FULL;
  const auto id = volume.TakeFileId();
  if (!id) return LYFS_ERROR_LIMIT;
  FileEntry file;
  file.id = *id;
  file.name = std::string(name);
  file.slot = *slot;
  if (!WriteFileSlots(volume, area, file)) return LYFS_ERROR_DEVICE;
  area.occupied[*slot] = true;
  *location = FileLocation{area_index, area.files.size()};
  volume.AddFile(area_index, std::move(file));
  return LYFS_OK;
}

int AppendEntry(Volume& volume, FileLocation at, const void* data, size_t count) {
  Area& area = volume.areas()[at.area];
  FileEntry& file = volume.file(at);
  if (!volume.device().writable()) return LYFS_ERROR_READ_ONLY;
  if (count > kMaxFileSize - file.size) return LYFS_ERROR_TOO_LARGE;
  const uint64_t end = file.size + count;
  const uint64_t needed = (end + area.geometry.cluster_bytes() - 1) >> area.geometry.cluster_shift;
  const bool grows = needed > file.allocated_clusters();
  if (grows) {
    if (const int result = Allocate(area, file, needed - file.allocated_clusters());
        result != LYFS_OK) {
      return result;
    }
  }
  if (!WriteFileData(volume, area, file, file.size, data, count)) return LYFS_ERROR_DEVICE;
  file.size = end;
  if (grows && !WriteFileSlots(volume, area, file)) return LYFS_ERROR_DEVICE;
  return LYFS_OK;
}

int FinishEntry(Volume& volume, FileLocation at) {
  if (!volume.device().writable()) return LYFS_ERROR_READ_ONLY;
  Area& area = volume.areas()[at.area];
  FileEntry& file = volume.file(at);
  const uint64_t needed =
      (file.size + area.geometry.cluster_bytes() - 1) >> area.geometry.cluster_shift;
  const uint64_t excess = file.allocated_clusters() - needed;
  // Only the last extent can reach beyond the size: clusters are taken only when needed.
  if (excess > 0 && excess < file.extents.back().count) {
    Extent& last = file.extents.back();
    if (last.start + last.count == area.next_free_cluster) {
      area.next_free_cluster -= static_cast<uint32_t>(excess);
    }
    last.count -= static_cast<uint32_t>(excess);
    IndexExtents(file);
  }
  return WriteFileSlots(volume, area, file) && volume.device().Flush() ? LYFS_OK
                                                                       : LYFS_ERROR_DEVICE;
}

}  // namespace vantrel::lyfs
