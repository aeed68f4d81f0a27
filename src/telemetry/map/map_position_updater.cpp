#include "telemetry/map/map_position_updater.h"

#include "telemetry/map/map_route.h"

namespace vantrel {

MapPositionUpdater::MapPositionUpdater(MapPage& page, const TelemetryStore& store)
    : page_(page), store_(store) {}

void MapPositionUpdater::PageReset() {
  functions_ = {};
  route_pending_ = true;
}

void MapPositionUpdater::FunctionsBound(const MarkerCalls& functions) { functions_ = functions; }

void MapPositionUpdater::UpdateMapPosition(uint32_t t) {
  if (!page_requested_ || store_.gps_records().empty()) return;
  const PositionReading position = store_.PositionAt(t);
  if (!position.found) return;
  if (route_pending_ && bound()) {
    route_pending_ = false;
    page_.RunScript(RouteScript(RouteOf(store_.gps_records())));
  }
  ShowMapPosition(position.latitude, position.longitude);
}

void MapPositionUpdater::ShowMapPosition(float latitude, float longitude) {
  if (!bound()) {
    page_.RequestBinding();
    return;
  }
  // A position off the globe has no place on the map; the marker stays where it was.
  if (!OnGlobe(latitude, longitude)) return;
  const int remove_id = marker_id_;
  if (functions_.add) marker_id_ = kMapMarkerId;
  page_.RunScript(MarkerScript(functions_, remove_id, longitude, latitude));
}

}  // namespace vantrel
