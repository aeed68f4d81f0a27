// Telemetry packets straight from a recording's text stream: any bytes of any length, with the
// look-ups and both export formats run over whatever records they leave.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "telemetry/gps_sentence.h"
#include "telemetry/telemetry_export.h"
#include "telemetry/telemetry_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vantrel::TelemetryStore store;
  const uint32_t time_stamp = static_cast<uint32_t>(size * 40);
  store.ParseTelemetryPacket(data, size, time_stamp);

  // The same bytes as a sentence, with embedded zeros and beyond the packet limit.
  vantrel::GpsRecord record;
  vantrel::ParseGpsSentence(record, time_stamp,
                            std::string_view(reinterpret_cast<const char*>(data), size));

  for (const uint32_t t : {0u, time_stamp, time_stamp + 1}) {
    store.SpeedAt(t);
    store.PositionAt(t);
    store.GsensorAt(t);
  }
  vantrel::TelemetryGpx(store);
  vantrel::TelemetryCsv(store);
  return 0;
}
