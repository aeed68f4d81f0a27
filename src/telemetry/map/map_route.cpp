#include "telemetry/map/map_route.h"

#include <cmath>

#include "telemetry/coordinates.h"

namespace vantrel {

bool OnGlobe(float latitude, float longitude) {
  return std::isfinite(latitude) && std::isfinite(longitude) && std::fabs(latitude) <= 90.0f &&
         std::fabs(longitude) <= 180.0f;
}

std::vector<RoutePoint> RouteOf(const RecordArray<GpsRecord>& fixes, size_t max_points) {
  std::vector<RoutePoint> all;
  for (const GpsRecord& fix : fixes) {
    if (fix.valid == 0) continue;
    const auto latitude = static_cast<float>(DegreesMinutesToDegrees(fix.latitude));
    const auto longitude = static_cast<float>(DegreesMinutesToDegrees(fix.longitude));
    if (OnGlobe(latitude, longitude)) all.push_back({longitude, latitude});
  }
  if (all.size() <= max_points || max_points == 0) {
    return max_points == 0 ? std::vector<RoutePoint>{} : all;
  }
  if (max_points == 1) return {all.front()};
  // Point i of the result is the one at i/(max_points-1) of the way through, so the ends stay.
  std::vector<RoutePoint> thinned;
  thinned.reserve(max_points);
  const size_t last = all.size() - 1;
  for (size_t i = 0; i < max_points; ++i) {
    thinned.push_back(all[i * last / (max_points - 1)]);
  }
  return thinned;
}

}  // namespace vantrel
