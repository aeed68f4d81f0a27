// Volumes that exist only in a description file (format in volume_description.h): the cards of
// tests, demos and the command-line tool. Cards can be put in and taken out, and the listeners
// are told as with real ones.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/volume_provider.h"

namespace vantrel::platform {

class SimulatedVolumeProvider : public VolumeProvider {
 public:
  SimulatedVolumeProvider() = default;

  // Reads the description file and takes its volumes, telling the listeners what changed against
  // the volumes held before (so loading an edited file again reports the difference). False, and
  // nothing changes, when the file cannot be read or is unreasonably large.
  bool Load(const std::filesystem::path& description_file);
  // The lines and volumes the last Load skipped, as ParseVolumeDescription reports them.
  const std::vector<std::string>& problems() const { return problems_; }

  std::vector<Volume> Volumes() override { return volumes_; }

  // Puts a card in (its root gains a trailing "/" when it has none); a card already at that root
  // is taken out first. The listeners hear of both.
  void Insert(Volume volume);
  // Takes out the card at root (with or without the trailing "/"); false when there is none.
  bool Remove(std::string_view root);

 private:
  std::vector<Volume> volumes_;
  std::vector<std::string> problems_;
};

}  // namespace vantrel::platform
