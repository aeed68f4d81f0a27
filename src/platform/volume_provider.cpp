#include "platform/volume_provider.h"

#include <algorithm>

namespace vantrel::platform {
namespace {

// Two entries name the same volume when nothing a reader of the card relies on has changed: the
// same mounting of the same device, still with its medium.
bool SameVolume(const Volume& a, const Volume& b) {
  return a.root == b.root && a.mount_id == b.mount_id && a.partition_path == b.partition_path &&
         a.device_path == b.device_path && a.file_system == b.file_system &&
         (a.bytes_per_sector > 0) == (b.bytes_per_sector > 0);
}

const Volume* FindRoot(const std::vector<Volume>& volumes, const std::string& root) {
  const auto found = std::find_if(volumes.begin(), volumes.end(),
                                  [&](const Volume& volume) { return volume.root == root; });
  return found == volumes.end() ? nullptr : &*found;
}

}  // namespace

int VolumeProvider::AddListener(VolumeListener listener) {
  const int id = next_listener_id_++;
  listeners_.emplace(id, std::move(listener));
  return id;
}

void VolumeProvider::RemoveListener(int id) { listeners_.erase(id); }

void VolumeProvider::Notify(const std::vector<VolumeChange>& changes) {
  for (const VolumeChange& change : changes) {
    // Listeners may add or remove listeners while being told; walk the ids known now and call
    // only those still registered.
    std::vector<int> ids;
    for (const auto& [id, listener] : listeners_) ids.push_back(id);
    for (const int id : ids) {
      const auto found = listeners_.find(id);
      if (found == listeners_.end()) continue;
      const VolumeListener listener = found->second;  // a copy outlives its own removal
      listener(change);
    }
  }
}

std::vector<VolumeChange> DiffVolumes(const std::vector<Volume>& before,
                                      const std::vector<Volume>& after) {
  std::vector<VolumeChange> changes;
  for (const Volume& old_volume : before) {
    const Volume* now = FindRoot(after, old_volume.root);
    if (now == nullptr || !SameVolume(old_volume, *now)) {
      changes.push_back({VolumeEvent::kRemoved, old_volume.root});
    }
  }
  for (const Volume& new_volume : after) {
    const Volume* then = FindRoot(before, new_volume.root);
    if (then == nullptr || !SameVolume(*then, new_volume)) {
      changes.push_back({VolumeEvent::kArrived, new_volume.root});
    }
  }
  return changes;
}

std::optional<Volume> VolumeAtRoot(VolumeProvider& volumes, std::string_view root) {
  for (Volume& volume : volumes.Volumes()) {
    if (volume.root == root) return std::move(volume);
  }
  return std::nullopt;
}

}  // namespace vantrel::platform
