// Reading one recommended-minimum ("RMC") GPS sentence into a GpsRecord. Re-entrant: the
// splitting state lives in the call, so sentences may be parsed on several threads at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "telemetry/telemetry_records.h"

namespace vantrel {

// The longest sentence read; a longer text (a packet that filled its whole buffer without a
// terminating zero) is cut to this many characters.
inline constexpr size_t kMaxSentenceLength = 1023;

// Stores time_stamp, then fields 1 to 9 of text (tag, time, status, latitude, N/S, longitude,
// E/W, knots, course, date) into record. Reading stops at a zero byte. Returns true when all
// nine fields were present; then the fix time is computed too. Fields missing from a cut
// sentence leave the record's zeros in place. A latitude, longitude, speed or course that is not
// a finite number ("nan", "inf", or too large) is stored as 0 and makes the fix not valid.
bool ParseGpsSentence(GpsRecord& record, uint32_t time_stamp, std::string_view text);

}  // namespace vantrel
