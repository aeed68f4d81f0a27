// Time on the playback time line: 100-nanosecond units, as the media engine counts
// (milliseconds x 10000), and the conversion from AVI's scale/rate pairs.
#pragma once

#include <cstdint>

namespace vantrel {

inline constexpr int64_t kUnitsPerSecond = 10'000'000;
inline constexpr int64_t kUnitsPerMillisecond = 10'000;

// count x scale / rate seconds in 100-ns units, rounded down; 0 when rate or scale is 0;
// saturates instead of overflowing for absurd header values.
int64_t UnitsFromRate(uint64_t count, uint64_t scale, uint64_t rate);

}  // namespace vantrel
