// Calendar arithmetic on the recorder's clock without the C library's time zone: a ClockTime as
// seconds since 1970-01-01 00:00:00 of the same clock, and back.
#pragma once

#include <cstdint>

#include "sim/recording_description.h"

namespace vantrel::sim {

int64_t ToSeconds(const ClockTime& time);
ClockTime FromSeconds(int64_t seconds);

}  // namespace vantrel::sim
