// The clock of a rebuilt recording: how long its video lasts, how far one frame advances the
// video clock, and how many 100 ms silent audio chunks cover it. Computed in double precision
// from the first stream's rate and scale, so every build gives the same truncated values.
#pragma once

#include <cstdint>
#include <optional>

namespace vantrel::tools {

struct RepairTiming {
  double fps = 0;            // rate / scale
  double seconds = 0;        // T = F / fps
  int64_t frame_step = 0;    // D = truncate(T * 10000 / F), in 0.1 ms
  int64_t silent_count = 0;  // A = truncate(T * 10) when audio-less, else 0
};

// None for a zero scale, rate or frame count, and when the silent chunks needed would not fit
// a RIFF file (their count times 4434 bytes beyond 32 bits).
std::optional<RepairTiming> ComputeRepairTiming(uint32_t scale, uint32_t rate, uint32_t frames,
                                                bool audio_less);

}  // namespace vantrel::tools
