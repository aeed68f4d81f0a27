// The cabin sound a recorder's microphone picks up: a quiet engine hum with a slow swell, over
// road rumble. 16-bit mono samples, never silence, the same for the same seed.
#pragma once

#include <cstdint>

#include "sim/random.h"

namespace vantrel::sim {

inline constexpr int kAudioSampleRate = 22050;

class EngineSound {
 public:
  explicit EngineSound(uint64_t seed);

  // Writes the next count samples.
  void Render(int16_t* out, int count);

 private:
  Random random_;
  int64_t sample_ = 0;
  double rumble_ = 0.0;  // low-passed noise
  double phase_ = 0.0;   // of the hum's fundamental, in turns
};

}  // namespace vantrel::sim
