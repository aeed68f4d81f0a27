// The telemetry of a recording written out for other programs: the route as a GPX 1.1 track and
// every record as CSV. Numbers always use '.', whatever the process locale.
#pragma once

#include <string>

#include "telemetry/telemetry_store.h"

namespace vantrel {

// A GPX 1.1 document with one track of the valid fixes in order. A point's time is the sentence's
// own UTC (written only for complete sentences); speed (m/s) and course (degrees) go into
// Garmin's TrackPointExtension v2, since GPX 1.1 itself has no place for them. Fixes whose
// position lies outside the globe's range are left out, so the document always validates.
std::string TelemetryGpx(const TelemetryStore& store);

// One header line, then one row per record in time-stamp order (a GPS record before a G-sensor
// sample of the same stamp). Columns:
//   type          G (GPS) or M (G-sensor)
//   time_ms       time stamp on the playback time line
//   valid, year, month, day, hour, minute, second
//                 GPS only, as stored (year two digits, hour with the recorder's +9)
//   latitude_dm, longitude_dm   GPS only, degrees-and-minutes as written (negative S / W)
//   latitude, longitude         GPS only, decimal degrees
//   speed_kmh, course           GPS only
//   fix_time      GPS only, seconds since 1970 of the local fix time; 0 for a cut sentence
//   x, y, z       G-sensor only, raw values 1-256
// Fields that do not apply to a row are empty.
std::string TelemetryCsv(const TelemetryStore& store);

}  // namespace vantrel
