// The map as the viewer drives it, run headless for checks: loads the map page offscreen, runs
// the view's own update sequence for playback times in order (the first update after the load
// binds only), and reads back what the page holds.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "telemetry/map/map_source.h"
#include "telemetry/telemetry_store.h"

namespace vantrel::ui {

struct MapProbeReport {
  bool bound = false;
  bool has_marker = false;
  double marker_latitude = 0;
  double marker_longitude = 0;
  int route_points = 0;
  // The page's functions called, in order, as the page recorded them.
  std::vector<std::string> calls;
};

// Creates the application (offscreen) when there is none. None, with `problem` set, when the
// page cannot load.
std::optional<MapProbeReport> RunMapProbe(const MapSource& source, const TelemetryStore& store,
                                          const std::vector<int>& times, std::string& problem);

}  // namespace vantrel::ui
