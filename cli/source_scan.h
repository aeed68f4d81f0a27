// What the source subcommands (sources, scan --source) share: the volumes they look at, the
// catalogue set up as the viewer's main window sets it up, and printable record fields.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "catalogue/recording_catalogue.h"
#include "platform/volume_provider.h"

namespace vantrel::cli {

// The simulated cards of a description file (--cards FILE), or this computer's mounted volumes
// without one. Null, with *error set, when the file cannot be read.
std::unique_ptr<platform::VolumeProvider> OpenVolumes(const std::optional<std::string>& cards_file,
                                                      std::string* error);

// The LyFS directory names and the recording extension, as the main window gives them.
void SetUpCatalogue(RecordingCatalogue& catalogue);

// One record a line, fields split by tabs: a text holding a tab or a line break must not split
// its record, so control characters are printed as "?".
std::string Field(std::string text);

}  // namespace vantrel::cli
