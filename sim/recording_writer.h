// Writes a simulated recording: a RIFF AVI file laid out and interleaved as the recorder writes
// it (front video "00dc", rear video "01dc", audio "NNwb", telemetry "NNtx", then "idx1"), or,
// for an interrupted recording, the file as a power cut leaves it. The same description always
// gives the same bytes.
#pragma once

#include <string>

#include "sim/recording_description.h"

namespace vantrel::sim {

// False, with the reason in *error (when given), when the description is not valid or the file
// cannot be written; nothing is left at path then.
bool WriteRecording(const RecordingDescription& description, const std::string& path,
                    std::string* error = nullptr);

}  // namespace vantrel::sim
