// The file names of a snapshot: the recording's name without its extension, the moment of the
// capture and the channel, in the save folder.
#pragma once

#include <string>
#include <string_view>

#include "tools/local_time.h"

namespace vantrel::tools {

// Channel 0 (front) is "(Track1)", channel 1 (rear) "(Track2)".
inline constexpr int kSnapshotChannels = 2;

// The name without its extension: everything from its last "." on goes, unless that "." is the
// first character.
std::string WithoutExtension(std::string_view name);

// folder + "/" + name without extension + "-" + "%04d-%02d-%02d-%02dh%02dm%02ds%03d" +
// "(Track1)" or "(Track2)" + ".jpg". The recording's name comes from a card or a file system and
// is only ever a file name here: a "/" in it becomes "_", so it cannot lead out of the folder.
std::string SnapshotPath(const std::string& folder, std::string_view recording_name,
                         const LocalTime& time, int channel);

}  // namespace vantrel::tools
