// Where the viewer's own files go: the option file and the temp folder in the program folder,
// and snapshots by default in the user's documents.
#pragma once

#include <string>

namespace vantrel {

// The program folder + "/config/option.ini"; empty when there is no program folder.
std::string OptionFilePath();

// The program folder + "/temp", where recordings are rebuilt for playback; empty when there is
// no program folder. Not created here.
std::string TempFolder();

// The documents folder + "/CAM_CAPTURE", created when missing (that one level only, failures
// ignored: a snapshot into it fails later and says so); empty without a documents folder.
std::string DefaultCaptureFolder();

}  // namespace vantrel
