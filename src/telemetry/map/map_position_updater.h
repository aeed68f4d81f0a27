// The map's side of the playback tick: puts the one marker at the recording's position and
// centres the map there, binding the page's functions lazily: the first update after the page
// has loaded only asks for them, the following ones move the marker. The recording's route is
// sent once per opened recording, with the first update that finds the functions bound.
//
// Threads: user-interface thread only. The store must outlive the updater.
#pragma once

#include <cstdint>

#include "telemetry/map/map_page.h"
#include "telemetry/map/map_script.h"
#include "telemetry/telemetry_store.h"

namespace vantrel {

class MapPositionUpdater {
 public:
  MapPositionUpdater(MapPage& page, const TelemetryStore& store);

  // The page has been asked for (the first navigation).
  void PageRequested() { page_requested_ = true; }
  // A new page is loading: its functions are not known yet and it holds no route.
  void PageReset();
  // The page's answer to a binding request: which functions it defines.
  void FunctionsBound(const MarkerCalls& functions);
  // A recording was opened: its route goes to the page with the next update.
  void NewRecording() { route_pending_ = true; }

  // The tick's update at playback time t (ms): the first GPS record stamped at or after t, when
  // valid, becomes the marker and the centre. No record, an invalid fix, a page not requested:
  // nothing changes.
  void UpdateMapPosition(uint32_t t);
  // Marker and centre at a position in decimal degrees; binds instead while unbound.
  void ShowMapPosition(float latitude, float longitude);

  bool bound() const { return functions_.centre; }
  int marker_id() const { return marker_id_; }
  bool page_requested() const { return page_requested_; }

 private:
  MapPage& page_;
  const TelemetryStore& store_;
  MarkerCalls functions_;
  int marker_id_ = -1;
  bool page_requested_ = false;
  bool route_pending_ = false;
};

}  // namespace vantrel
