#include "lyfs/table_loader.h"

#include <algorithm>
#include <vector>

#include "lyfs/range_set.h"

namespace vantrel::lyfs {
namespace {

constexpr size_t kSlotsPerRead = 256;

// The slots of a table, decoded; none for a damaged slot.
std::optional<std::vector<std::optional<SlotContent>>> ReadTable(BlockDevice& device,
                                                                 uint64_t offset,
                                                                 uint32_t capacity) {
  std::vector<std::optional<SlotContent>> slots;
  slots.reserve(capacity);
  std::vector<uint8_t> chunk(kSlotsPerRead * kSlotSize);
  for (uint32_t first = 0; first < capacity; first += kSlotsPerRead) {
    const size_t count = std::min<size_t>(kSlotsPerRead, capacity - first);
    if (!device.Read(offset + uint64_t{first} * kSlotSize, chunk.data(), count * kSlotSize)) {
      return std::nullopt;
    }
    for (size_t i = 0; i < count; ++i) slots.push_back(DecodeSlot(chunk.data() + i * kSlotSize));
  }
  return slots;
}

bool InsideArea(const Extent& extent, const AreaGeometry& geometry) {
  return uint64_t{extent.start} + extent.count <= geometry.data_clusters;
}

// Follows a file's continuation chain; false when it is broken. Marks the slots it walks.
bool FollowChain(const std::vector<std::optional<SlotContent>>& slots, const SlotContent& head,
                 std::vector<bool>& walked, FileEntry& file) {
  file.extents = head.extents;
  for (uint32_t next = head.next_slot; next != kNoSlot;) {
    // `walked` makes every step visit a new slot, so a loop ends here within the table's size.
    if (next >= slots.size() || walked[next]) return false;
    walked[next] = true;
    const auto& slot = slots[next];
    if (!slot || slot->kind != SlotKind::kContinuation || slot->file_id != head.file_id) {
      return false;
    }
    file.continuation_slots.push_back(next);
    file.extents.insert(file.extents.end(), slot->extents.begin(), slot->extents.end());
    next = slot->next_slot;
  }
  return true;
}

// Whether the file's extents lie in the area, apart from each other and from `claimed`, and
// hold at least the clusters its size needs.
bool ExtentsHold(const FileEntry& file, const AreaGeometry& geometry, const RangeSet& claimed) {
  std::vector<Extent> sorted = file.extents;
  std::sort(sorted.begin(), sorted.end(),
            [](const Extent& a, const Extent& b) { return a.start < b.start; });
  uint64_t clusters = 0;
  uint64_t previous_end = 0;
  for (const Extent& extent : sorted) {
    if (!InsideArea(extent, geometry) || extent.start < previous_end ||
        claimed.Overlaps(extent.start, uint64_t{extent.start} + extent.count)) {
      return false;
    }
    previous_end = uint64_t{extent.start} + extent.count;
    clusters += extent.count;
  }
  const uint64_t needed = (file.size + geometry.cluster_bytes() - 1) >> geometry.cluster_shift;
  return clusters >= needed;
}

}  // namespace

void IndexExtents(FileEntry& file) {
  file.clusters_through.clear();
  uint64_t total = 0;
  for (const Extent& extent : file.extents) {
    total += extent.count;
    file.clusters_through.push_back(total);
  }
}

std::optional<Area> LoadArea(BlockDevice& device, uint64_t table_offset,
                             const AreaGeometry& geometry, LoadContext& context) {
  const auto slots = ReadTable(device, table_offset, geometry.table_capacity);
  if (!slots) return std::nullopt;

  Area area;
  area.geometry = geometry;
  area.occupied.resize(slots->size());
  for (size_t i = 0; i < slots->size(); ++i) {
    const auto& slot = (*slots)[i];
    area.occupied[i] = !slot || slot->kind != SlotKind::kFree;
    if (!slot) continue;
    if (slot->kind == SlotKind::kFile)
      context.highest_id = std::max(context.highest_id, slot->file_id);
    for (const Extent& extent : slot->extents) {
      if (InsideArea(extent, geometry)) {
        area.next_free_cluster = std::max(area.next_free_cluster, extent.start + extent.count);
      }
    }
  }

  std::vector<bool> walked(slots->size());
  RangeSet claimed;
  for (size_t i = 0; i < slots->size(); ++i) {
    const auto& slot = (*slots)[i];
    if (!slot || slot->kind != SlotKind::kFile) continue;
    FileEntry file;
    file.id = slot->file_id;
    file.name = slot->name;
    file.size = slot->size;
    file.slot = static_cast<uint32_t>(i);
    if (!FollowChain(*slots, *slot, walked, file) || context.ids.count(file.id) != 0 ||
        area.file_by_name.count(file.name) != 0 || !ExtentsHold(file, geometry, claimed)) {
      continue;
    }
    for (const Extent& extent : file.extents) {
      claimed.Insert(extent.start, uint64_t{extent.start} + extent.count);
    }
    IndexExtents(file);
    context.ids.insert(file.id);
    area.file_by_name.emplace(file.name, area.files.size());
    area.files.push_back(std::move(file));
  }
  return area;
}

}  // namespace vantrel::lyfs
