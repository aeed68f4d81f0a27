// The telemetry a recorder writes into its text stream, one packet per chunk: GPS fixes as
// NUL-terminated RMC sentences ("GPRMC,...*hh") and G-sensor samples ('M' and three raw bytes).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/recording_description.h"
#include "sim/route.h"

namespace vantrel::sim {

// One GPS fix as the receiver reports it.
struct RmcFix {
  ClockTime utc;
  int milliseconds = 0;
  bool valid = true;     // status A; without a fix (V) position, speed and course are empty
  double latitude = 0;   // decimal degrees, negative south
  double longitude = 0;  // decimal degrees, negative west
  double knots = 0;
  double course = 0;  // degrees
};

// "GPRMC,hhmmss.sss,A,ddmm.mmmm,N,dddmm.mmmm,E,knots,course,ddmmyy,,,A*hh": no leading "$", the
// checksum over everything before the "*".
std::string RmcSentence(const RmcFix& fix);

// Raw G-sensor values: 32 counts per g, the scale the viewer reads them at. The sensor reports
// magnitudes, so at rest the horizontal axes sit near 0 and the vertical one near 1 g.
inline constexpr int kGsensorCountsPerG = 32;
inline constexpr int kGsensorRestZ = kGsensorCountsPerG;

struct TelemetryPacket {
  int64_t due_ms = 0;          // when the recorder takes the reading
  std::vector<uint8_t> bytes;  // the text chunk's data
};

// Every packet of a recording, in the order the recorder writes them (by due time, the GPS fix
// first when both fall due together), up to and including until_ms.
std::vector<TelemetryPacket> MakeTelemetry(const RecordingDescription& description,
                                           const Route& route, int64_t until_ms);

}  // namespace vantrel::sim
