#include "telemetry/map/map_script.h"

#include <charconv>
#include <cmath>

namespace vantrel {
namespace {

constexpr const char* kGuardOpen = "try{";
constexpr const char* kGuardClose = "}catch(e){}";

}  // namespace

std::string ScriptNumber(float value) {
  // The shortest text that reads back as the double of the float is exact: the page's double
  // equals the float. to_chars never looks at the locale.
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, static_cast<double>(value));
  return std::string(text, result.ptr);
}

std::string MarkerScript(const MarkerCalls& calls, int remove_id, float longitude, float latitude) {
  const std::string lon = ScriptNumber(longitude);
  const std::string lat = ScriptNumber(latitude);
  std::string script = kGuardOpen;
  if (calls.remove && remove_id > 0) {
    script += "removePoi(" + std::to_string(remove_id) + ");";
  }
  if (calls.add) {
    script += "addPoi_wgs84(" + std::to_string(kMapMarkerId) + "," + lon + "," + lat +
              ",\"\",0,0,\"" + kMapMarkerIcon + "\");";
  }
  if (calls.centre) script += "setCenter_wgs84(" + lon + "," + lat + ");";
  return script + kGuardClose;
}

std::string RouteScript(const std::vector<RoutePoint>& route) {
  std::string script = kGuardOpen;
  script.reserve(route.size() * 24 + 40);
  script += "setRoute_wgs84([";
  for (size_t i = 0; i < route.size(); ++i) {
    if (i > 0) script += ',';
    script += ScriptNumber(route[i].longitude);
    script += ',';
    script += ScriptNumber(route[i].latitude);
  }
  return script + "]);" + kGuardClose;
}

std::string BindingScript() {
  return "[typeof setCenter_wgs84,typeof addPoi_wgs84,typeof removePoi]"
         ".map(function(t){return t==='function';})";
}

}  // namespace vantrel
