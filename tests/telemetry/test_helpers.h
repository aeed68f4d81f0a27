// Helpers of the telemetry tests: feeding a sentence to a store, running vantrel-cli as a child
// process, and reading back the track points of a GPX document.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "run_program.h"
#include "telemetry/telemetry_store.h"

namespace vantrel::test {

// Feeds text to store as one telemetry packet, its terminating NUL included, as the recorder
// writes it.
void AddSentence(TelemetryStore& store, const std::string& text, uint32_t time_stamp);

// Runs the built vantrel-cli with words, standard error dropped, in the UTC time zone so fix times
// are plain numbers.
ProgramRun RunCli(const std::vector<std::string>& words);

struct TrackPoint {
  std::string lat, lon, time, speed, course;
};

// The track points of gpx in order. Records a test failure when the document is not well-formed
// XML or its root is not a GPX 1.1 element.
std::vector<TrackPoint> ReadTrack(const std::string& gpx);

}  // namespace vantrel::test
