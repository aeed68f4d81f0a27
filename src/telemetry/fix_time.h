// The calendar side of a GPS fix: the two-digit year, the recorder's +9 hour shift, and the two
// readings of one fix as seconds since 1970.
#pragma once

#include <cstdint>

#include "telemetry/telemetry_records.h"

namespace vantrel {

// The recorder keeps its fix hours 9 hours ahead of the sentence's UTC (Korean time).
inline constexpr int kRecorderHourShift = 9;

// 2000 + yy below 70, else 1900 + yy.
int FullYear(int two_digit_year);

// The record's date and shifted time read as local time (hours past 23 roll into the next day;
// whether daylight saving applies is left to the time zone rules of that moment).
int64_t LocalFixTime(const GpsRecord& record);

// The sentence's own UTC date and time, without the +9 shift, independent of the time zone.
int64_t SentenceUtcTime(const GpsRecord& record);

}  // namespace vantrel
