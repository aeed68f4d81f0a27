// The recording's route as the map draws it: its valid fixes in decimal degrees, in the order
// they were recorded.
#pragma once

#include <cstddef>
#include <vector>

#include "telemetry/record_array.h"
#include "telemetry/telemetry_records.h"

namespace vantrel {

// The most points one route sends to the page; longer routes are thinned evenly.
inline constexpr size_t kMaxRoutePoints = 20000;

struct RoutePoint {
  float longitude = 0;  // decimal degrees, as 32-bit floats like the marker's
  float latitude = 0;
};

// A position the map can place: finite and on the globe. A broken fix (a garbled sentence read
// as 99999.0 or worse) would otherwise throw the page's view off the earth.
bool OnGlobe(float latitude, float longitude);

// The valid fixes of `fixes` that lie on the globe, converted to decimal degrees. When there are
// more than max_points, max_points of them are kept, spread evenly, the first and the last
// always among them.
std::vector<RoutePoint> RouteOf(const RecordArray<GpsRecord>& fixes,
                                size_t max_points = kMaxRoutePoints);

}  // namespace vantrel
