#include "platform/volume_provider_simulated.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "platform/volume_description.h"

namespace vantrel::platform {
namespace {

// A description names a handful of cards; a file this large is something else.
constexpr std::uintmax_t kDescriptionLimit = 1024 * 1024;

std::string WithTrailingSlash(std::string_view root) {
  std::string text(root);
  if (text.empty() || text.back() != '/') text.push_back('/');
  return text;
}

}  // namespace

bool SimulatedVolumeProvider::Load(const std::filesystem::path& description_file) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(description_file, error);
  if (error || size > kDescriptionLimit) return false;
  std::ifstream in(description_file, std::ios::binary);
  if (!in) return false;
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad() || text.size() > kDescriptionLimit) return false;

  const std::filesystem::path absolute = std::filesystem::absolute(description_file, error);
  VolumeDescription description =
      ParseVolumeDescription(text, (error ? description_file : absolute).parent_path());
  problems_ = std::move(description.problems);
  const std::vector<VolumeChange> changes = DiffVolumes(volumes_, description.volumes);
  volumes_ = std::move(description.volumes);
  Notify(changes);
  return true;
}

void SimulatedVolumeProvider::Insert(Volume volume) {
  volume.root = WithTrailingSlash(volume.root);
  std::vector<VolumeChange> changes;
  // Even an equal card at the same root is reported as taken out and put in again: a reader
  // that holds the old card open must let go of it.
  const auto old = std::find_if(volumes_.begin(), volumes_.end(),
                                [&](const Volume& other) { return other.root == volume.root; });
  if (old != volumes_.end()) {
    volumes_.erase(old);
    changes.push_back({VolumeEvent::kRemoved, volume.root});
  }
  changes.push_back({VolumeEvent::kArrived, volume.root});
  volumes_.push_back(std::move(volume));
  Notify(changes);
}

bool SimulatedVolumeProvider::Remove(std::string_view root) {
  const std::string wanted = WithTrailingSlash(root);
  const auto found = std::find_if(volumes_.begin(), volumes_.end(),
                                  [&](const Volume& volume) { return volume.root == wanted; });
  if (found == volumes_.end()) return false;
  volumes_.erase(found);
  Notify({{VolumeEvent::kRemoved, wanted}});
  return true;
}

}  // namespace vantrel::platform
