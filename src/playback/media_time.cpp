#include "playback/media_time.h"

#include <limits>

namespace vantrel {

int64_t UnitsFromRate(uint64_t count, uint64_t scale, uint64_t rate) {
  if (rate == 0 || scale == 0) return 0;
  const unsigned __int128 units =
      static_cast<unsigned __int128>(count) * scale * kUnitsPerSecond / rate;
  constexpr auto kMax = static_cast<unsigned __int128>(std::numeric_limits<int64_t>::max());
  return units > kMax ? std::numeric_limits<int64_t>::max() : static_cast<int64_t>(units);
}

}  // namespace vantrel
