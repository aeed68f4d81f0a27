#include "catalogue/source_list.h"

#include <algorithm>
#include <vector>

namespace vantrel {

std::vector<CardVolume> ListCardVolumes(platform::VolumeProvider& volumes,
                                        const DiskWriteCheck& can_write) {
  std::vector<platform::Volume> mounted = volumes.Volumes();
  std::stable_sort(
      mounted.begin(), mounted.end(),
      [](const platform::Volume& a, const platform::Volume& b) { return a.root < b.root; });
  std::vector<CardVolume> cards;
  for (size_t index = 0; index < mounted.size(); ++index) {
    const platform::Volume& volume = mounted[index];
    if (!volume.removable || volume.bytes_per_sector == 0) continue;
    SourceRecord card;
    if (ProbeLyfsDrive(volume, static_cast<int32_t>(index), &card, can_write)) {
      cards.push_back({volume, std::move(card)});
    }
  }
  return cards;
}

int EnumerateSources(RecordingCatalogue& catalogue, platform::VolumeProvider& volumes,
                     const DiskWriteCheck& can_write) {
  std::vector<SourceRecord> sources;
  for (CardVolume& card : ListCardVolumes(volumes, can_write)) {
    sources.push_back(std::move(card.source));
  }
  SourceRecord computer;
  computer.root = kComputerSourceName;
  computer.kind = SourceKind::kComputerFolder;
  sources.push_back(std::move(computer));
  const int count = static_cast<int>(sources.size());
  catalogue.SetSources(std::move(sources));
  return count;
}

int SourceIndexForPath(const RecordingCatalogue& catalogue, std::string_view path) {
  const std::vector<SourceRecord>& sources = catalogue.sources();
  int chosen = static_cast<int>(sources.size()) - 1;
  for (int index = 0; index + 1 < static_cast<int>(sources.size()); ++index) {
    if (sources[static_cast<size_t>(index)].root == path) chosen = index;
  }
  return chosen;
}

}  // namespace vantrel
