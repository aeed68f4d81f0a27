// Filling the catalogue from a LyFS card. The card is opened as a device, which then stays open
// as the catalogue's LyFS device while the card is the opened source (playback and saved copies
// read through it), and every file the LyFS library lists in the catalogue's LyFS directories
// becomes an entry of that directory's group, whatever its name's extension or prefix.
#pragma once

#include "catalogue/recording_catalogue.h"
#include "catalogue/source_record.h"

namespace vantrel {

// The console line written when a card's LyFS partition cannot be opened.
inline constexpr char kLyfsOpenFailureLine[] = "LYFS drive cannot be opened\n";

// Records listed per directory at most: far above what a card's file table holds, so that a
// list that never ends cannot hang the viewer.
inline constexpr int kMostLyfsFilesPerDirectory = 1 << 20;

// Starts a fresh scan (folders and entries cleared, the device held before closed) and opens the
// card at source.device_path. When the card cannot be opened: the console line on standard
// output, no device, nothing found, false. Otherwise, for every LyFS directory name in order
// (group = its position): one folder record (also for a directory with no file, or none on the
// card) counting the records listed, and one entry per listed file: lyfs_file_id and narrow name
// from the list, name = path = the listed name, size in KiB. A record that cannot name a card
// file (ReadLyfsListRecord) is left out. True.
bool ScanLyfsCard(RecordingCatalogue& catalogue, const SourceRecord& source);

}  // namespace vantrel
