#include "lyfs/file_data.h"

#include <algorithm>

#include "lyfs/lyfs.h"

namespace vantrel::lyfs {
namespace {

// Calls `visit(device_offset, done, length)` for each contiguous run of [offset, offset +
// count), which must lie inside the file's clusters; stops at the first false.
template <typename Visit>
bool ForEachRun(const Volume& volume, const Area& area, const FileEntry& file, uint64_t offset,
                size_t count, Visit visit) {
  const uint32_t shift = area.geometry.cluster_shift;
  const uint64_t cluster_bytes = area.geometry.cluster_bytes();
  if (!InBounds(offset, count, file.allocated_clusters() << shift)) return false;
  size_t done = 0;
  while (done < count) {
    const uint64_t position = offset + done;
    const uint64_t cluster = position >> shift;
    const auto it =
        std::upper_bound(file.clusters_through.begin(), file.clusters_through.end(), cluster);
    const size_t index = static_cast<size_t>(it - file.clusters_through.begin());
    const Extent& extent = file.extents[index];
    const uint64_t within = cluster - (*it - extent.count);
    const uint64_t run_bytes =
        ((extent.count - within) << shift) - (position & (cluster_bytes - 1));
    const size_t length = static_cast<size_t>(std::min<uint64_t>(run_bytes, count - done));
    const uint64_t device_offset =
        volume.ClusterOffset(area, extent.start + within) + (position & (cluster_bytes - 1));
    if (!visit(device_offset, done, length)) return false;
    done += length;
  }
  return true;
}

}  // namespace

int64_t ReadFileData(const Volume& volume, const Area& area, const FileEntry& file, uint64_t offset,
                     void* data, size_t count) {
  if (offset >= file.size) return 0;
  const size_t length = static_cast<size_t>(std::min<uint64_t>(count, file.size - offset));
  auto* bytes = static_cast<uint8_t*>(data);
  const bool read =
      ForEachRun(volume, area, file, offset, length, [&](uint64_t at, size_t done, size_t run) {
        return volume.device().Read(at, bytes + done, run);
      });
  return read ? static_cast<int64_t>(length) : int64_t{LYFS_ERROR_DEVICE};
}

bool WriteFileData(const Volume& volume, const Area& area, const FileEntry& file, uint64_t offset,
                   const void* data, size_t count) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  return ForEachRun(volume, area, file, offset, count, [&](uint64_t at, size_t done, size_t run) {
    return volume.device().Write(at, bytes + done, run);
  });
}

}  // namespace vantrel::lyfs
