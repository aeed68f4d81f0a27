// One GPS sentence of any bytes: whatever it holds, a fix reported valid has a finite position,
// speed and course, and no field of the record is ever a number that is not finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "telemetry/gps_sentence.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vantrel::GpsRecord record;
  vantrel::ParseGpsSentence(record, 0, std::string_view(reinterpret_cast<const char*>(data), size));
  for (const double value : {record.latitude, record.longitude, record.speed, record.course}) {
    if (!std::isfinite(value)) std::abort();
  }
  return 0;
}
