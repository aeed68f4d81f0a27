#include "telemetry/telemetry_store.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "telemetry/coordinates.h"
#include "telemetry/gps_sentence.h"

namespace vantrel {
namespace {

constexpr float kGsensorScale = 0.03125f;  // 1/32: the display's unit per raw step

// The first record stamped at or after time_ms, or nullptr.
template <typename Record>
const Record* FirstAtOrAfter(const RecordArray<Record>& records, uint32_t time_ms) {
  const auto found = std::find_if(records.begin(), records.end(),
                                  [time_ms](const Record& r) { return r.time_stamp >= time_ms; });
  return found == records.end() ? nullptr : &*found;
}

const GpsRecord* ValidFixAt(const RecordArray<GpsRecord>& records, uint32_t time_ms) {
  const GpsRecord* fix = FirstAtOrAfter(records, time_ms);
  return fix != nullptr && fix->valid != 0 ? fix : nullptr;
}

}  // namespace

void TelemetryStore::ResetTelemetry(TelemetryArray which) {
  if (which == TelemetryArray::kGsensor) {
    gsensor_.Clear();
  } else {
    gps_.Clear();
  }
}

int TelemetryStore::ParseTelemetryPacket(const uint8_t* packet, size_t size, uint32_t time_stamp) {
  size = std::min(size, kTelemetryPacketSize);
  if (packet == nullptr || size == 0) return 0;
  if (packet[0] == kGsensorPacket) {
    const auto axis = [&](size_t i) { return i < size ? int32_t{packet[i]} + 1 : 1; };
    gsensor_.Append(GsensorRecord{axis(1), axis(2), axis(3), time_stamp});
  } else if (packet[0] == kGpsPacket) {
    const char* text = reinterpret_cast<const char*>(packet);
    GpsRecord record;
    ParseGpsSentence(record, time_stamp, std::string_view(text, strnlen(text, size)));
    gps_.Append(record);
  }
  return 0;
}

SpeedReading TelemetryStore::SpeedAt(uint32_t time_ms) const {
  const GpsRecord* fix = ValidFixAt(gps_, time_ms);
  if (fix == nullptr) return {};
  return {true, fix->speed};
}

PositionReading TelemetryStore::PositionAt(uint32_t time_ms) const {
  const GpsRecord* fix = ValidFixAt(gps_, time_ms);
  if (fix == nullptr) return {};
  return {true, static_cast<float>(DegreesMinutesToDegrees(fix->latitude)),
          static_cast<float>(DegreesMinutesToDegrees(fix->longitude))};
}

GsensorReading TelemetryStore::GsensorAt(uint32_t time_ms) const {
  const GsensorRecord* sample = FirstAtOrAfter(gsensor_, time_ms);
  if (sample == nullptr) return {};
  return {true, static_cast<float>(sample->x) * kGsensorScale,
          static_cast<float>(sample->y) * kGsensorScale,
          static_cast<float>(sample->z) * kGsensorScale};
}

TelemetryStore& ProcessTelemetryStore() {
  static TelemetryStore store;
  return store;
}

}  // namespace vantrel
