// The two kinds of telemetry record a recording carries: one G-sensor sample and one GPS fix.
// Plain values, copied freely; the store keeps them in the order they arrived.
#pragma once

#include <cstdint>

namespace vantrel {

// One three-axis sample. Each axis is the packet's raw byte (0-255) plus 1, so 1-256.
struct GsensorRecord {
  int32_t x = 0;
  int32_t y = 0;
  int32_t z = 0;
  uint32_t time_stamp = 0;  // milliseconds on the playback time line
};

// One recommended-minimum GPS sentence as the recorder wrote it. Positions stay in the GPS's own
// degrees-and-minutes form (3730.5 is 37 degrees 30.5 minutes); the look-ups convert them.
struct GpsRecord {
  int32_t year = 0;   // two digits, 0-99
  int32_t month = 0;  // 1-12
  int32_t day = 0;    // 1-31
  int32_t hour = 0;   // the sentence's UTC hour plus 9, so 9-32
  int32_t minute = 0;
  int32_t second = 0;
  uint32_t valid = 0;       // 1 when the status field begins with 'A'
  double latitude = 0;      // negative in the southern hemisphere
  double longitude = 0;     // negative in the western hemisphere
  double speed = 0;         // km/h, kept at single precision
  double course = 0;        // degrees, kept at single precision
  int64_t fix_time = 0;     // seconds since 1970 of the shifted local time; 0 when incomplete
  uint32_t time_stamp = 0;  // milliseconds on the playback time line
};

// The names the recorder's own software gives these records.
using CGSensorData = GsensorRecord;
using CGPSData = GpsRecord;

}  // namespace vantrel
