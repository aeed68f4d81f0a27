// The speed gauge and the G-sensor graph written to PNG files without a window, for the command
// line. Plain C++ on the outside so that tools without Qt can call it; a Qt application on the
// offscreen platform is started when the process has none.
#pragma once

#include <string>

#include "telemetry/telemetry_store.h"

namespace vantrel {

// The gauge at its own 131 x 43 showing the speed. False when the file cannot be written.
bool WriteSpeedGaugePng(double km_per_hour, const std::string& path);

// The graph of the store's G-sensor samples for a client of width x height (each 1..10000, which
// the caller checks). False when the file cannot be written.
bool WriteGsensorGraphPng(const TelemetryStore& store, int width, int height,
                          const std::string& path);

}  // namespace vantrel
