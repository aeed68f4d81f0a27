// The script the viewer runs on its map page. Only numbers reach the page, written in the "C"
// locale whatever the process's locale is; no text from a recording is ever part of a script.
#pragma once

#include <string>
#include <vector>

#include "telemetry/map/map_route.h"

namespace vantrel {

// The marker the viewer keeps on the page and the icon it is drawn with.
inline constexpr int kMapMarkerId = 1;
inline constexpr char kMapMarkerIcon[] = "gpspos";

// A 32-bit float as a script number that holds exactly the float's value (the page sees the
// same number a 32-bit argument would give it). Not-a-number and infinities have no script
// form: callers do not send them.
std::string ScriptNumber(float value);

// One update of the marker and the centre: "removePoi" (when remove_id > 0), "addPoi_wgs84"
// and "setCenter_wgs84", each only when the page had the function at binding time. An error
// raised by the page ends the update silently.
struct MarkerCalls {
  bool remove = false;
  bool add = false;
  bool centre = false;
};
std::string MarkerScript(const MarkerCalls& calls, int remove_id, float longitude, float latitude);

// "setRoute_wgs84" with the route's longitude, latitude pairs as one flat array.
std::string RouteScript(const std::vector<RoutePoint>& route);

// Asks the page which of the three functions it defines; the result is a list of three
// booleans: setCenter_wgs84, addPoi_wgs84, removePoi.
std::string BindingScript();

}  // namespace vantrel
