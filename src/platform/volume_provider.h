// The mounted volumes and the news of volumes coming and going, as the catalogue and the main
// window see them. The Linux implementation reads the mount table and sysfs
// (volume_provider_linux.h); the simulated one reads a description file
// (volume_provider_simulated.h).
//
// Threads: a provider and its listeners belong to one thread (the user-interface thread in the
// viewer). Listeners are called on that thread, after the provider has taken in the change, so a
// listener may call Volumes() or add and remove listeners.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/volume.h"

namespace vantrel::platform {

enum class VolumeEvent { kArrived, kRemoved };

struct VolumeChange {
  VolumeEvent event = VolumeEvent::kArrived;
  // Root of the volume that arrived or was removed, as Volume::root gave it.
  std::string root;

  bool operator==(const VolumeChange&) const = default;
};

using VolumeListener = std::function<void(const VolumeChange&)>;

class VolumeProvider {
 public:
  VolumeProvider() = default;
  VolumeProvider(const VolumeProvider&) = delete;
  VolumeProvider& operator=(const VolumeProvider&) = delete;
  virtual ~VolumeProvider() = default;

  // The volumes mounted now, in mount order.
  virtual std::vector<Volume> Volumes() = 0;

  // Registers a listener for every later change; returns the id that RemoveListener takes.
  int AddListener(VolumeListener listener);
  // A listener removed while changes are being reported is not called again, not even for the
  // rest of that report.
  void RemoveListener(int id);

 protected:
  // Tells every listener of each change, in order.
  void Notify(const std::vector<VolumeChange>& changes);

 private:
  std::map<int, VolumeListener> listeners_;
  int next_listener_id_ = 1;
};

// What happened between two lists of volumes: first a removal for every volume that is gone or
// is no longer the same (another mounting or device at its root, or its medium went or came),
// then an arrival for every new or changed one, each in list order. So a card taken out of a
// reader that stays mounted is reported removed (and the empty reader arrived). A change of
// label alone is no change.
std::vector<VolumeChange> DiffVolumes(const std::vector<Volume>& before,
                                      const std::vector<Volume>& after);

// The volume mounted at root now (compared exactly); none when nothing is mounted there.
std::optional<Volume> VolumeAtRoot(VolumeProvider& volumes, std::string_view root);

}  // namespace vantrel::platform
