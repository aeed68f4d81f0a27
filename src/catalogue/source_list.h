// The sources the viewer can open: the recorder cards in the removable drives, then always the
// computer's own folders and files, and which of them a chosen or dropped path opens.
#pragma once

#include <string_view>
#include <vector>

#include "catalogue/drive_probe.h"
#include "catalogue/recording_catalogue.h"
#include "platform/volume_provider.h"

namespace vantrel {

// A volume that can be opened as a card, and how.
struct CardVolume {
  platform::Volume volume;
  SourceRecord source;
};

// Every volume that is removable, has a medium and passes ProbeLyfsDrive, in the order of their
// roots (drive index = the position in that order among all volumes), and whose disk passes
// `can_write` when one is given.
std::vector<CardVolume> ListCardVolumes(platform::VolumeProvider& volumes,
                                        const DiskWriteCheck& can_write = CanOpenForWriting);

// Rebuilds the catalogue's source list: the cards of ListCardVolumes, whatever this user may
// write (reading a card needs no more), then the computer-folder source. Returns the number of
// sources.
int EnumerateSources(RecordingCatalogue& catalogue, platform::VolumeProvider& volumes);

// The source a path opens: a card only when the path is exactly its root (case-sensitive, the
// later of equal roots), anything else (a folder on a card too) the computer-folder source, the
// last one. -1 when the list is empty.
int SourceIndexForPath(const RecordingCatalogue& catalogue, std::string_view path);

}  // namespace vantrel
