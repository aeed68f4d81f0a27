#include "tools/repair_timing.h"

#include <cmath>

#include "tools/silent_audio.h"

namespace vantrel::tools {

std::optional<RepairTiming> ComputeRepairTiming(uint32_t scale, uint32_t rate, uint32_t frames,
                                                bool audio_less) {
  if (scale == 0 || rate == 0 || frames == 0) return std::nullopt;
  RepairTiming timing;
  timing.fps = static_cast<double>(rate) / static_cast<double>(scale);
  const double count = static_cast<double>(frames);
  timing.seconds = count / timing.fps;
  // At most 10000 * 2^32 units: always representable, so the truncation is well defined.
  timing.frame_step = static_cast<int64_t>(std::trunc(timing.seconds * 10000.0 / count));
  if (audio_less) {
    const double silent = std::trunc(timing.seconds * 10.0);
    if (silent * kSilentChunkTotal > 4294967295.0) return std::nullopt;
    timing.silent_count = static_cast<int64_t>(silent);
  }
  return timing;
}

}  // namespace vantrel::tools
