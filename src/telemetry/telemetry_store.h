// TelemetryStore: the G-sensor samples and GPS fixes of the open recording, in the order the
// splitter delivered them, and the look-ups by playback time that the gauges, the map, the text
// panels and the printed report use.
//
// Threads: not thread-safe and deliberately lock-free. The loader fills the store while the
// viewer's loading flag is set; the playback tick reads it only while the flag is clear. Appending
// may move the records, so nobody keeps a reference to a record across a load.
#pragma once

#include <cstddef>
#include <cstdint>

#include "telemetry/record_array.h"
#include "telemetry/telemetry_records.h"

namespace vantrel {

// The largest packet the splitter delivers, in bytes.
inline constexpr size_t kTelemetryPacketSize = 1024;

// Packet kinds, by their first byte.
inline constexpr uint8_t kGsensorPacket = 'M';
inline constexpr uint8_t kGpsPacket = 'G';

// Which of the two arrays an operation means: they are emptied at different moments (a stop
// empties only the G-sensor samples; the route stays on the map until the next open).
enum class TelemetryArray { kGsensor, kGps };

struct SpeedReading {
  bool found = false;
  double speed = 0;  // km/h
};

struct PositionReading {
  bool found = false;
  float latitude = 0;  // decimal degrees
  float longitude = 0;
};

struct GsensorReading {
  bool found = false;
  float x = 0;  // the raw 1-256 values scaled by 1/32
  float y = 0;
  float z = 0;
};

class TelemetryStore {
 public:
  void ResetTelemetry(TelemetryArray which);

  // Reads one packet of size bytes (at most kTelemetryPacketSize are looked at) and appends at
  // most one record: an 'M' packet gives a G-sensor sample (bytes missing from a short packet
  // read as 0, as in the splitter's zeroed buffer), a 'G' packet a GPS record, even when its
  // sentence was cut short. Other packets are ignored. Always returns 0.
  int ParseTelemetryPacket(const uint8_t* packet, size_t size, uint32_t time_stamp);

  // Each look-up takes the first record stamped at or after time_ms. None, or (for speed and
  // position) a fix that is not valid, reads as not found with zeros.
  SpeedReading SpeedAt(uint32_t time_ms) const;
  PositionReading PositionAt(uint32_t time_ms) const;
  GsensorReading GsensorAt(uint32_t time_ms) const;

  const RecordArray<GsensorRecord>& gsensor_records() const { return gsensor_; }
  const RecordArray<GpsRecord>& gps_records() const { return gps_; }

 private:
  RecordArray<GsensorRecord> gsensor_;
  RecordArray<GpsRecord> gps_;
};

// The viewer's one store, shared by the loader and the displays for the life of the process.
TelemetryStore& ProcessTelemetryStore();

}  // namespace vantrel
