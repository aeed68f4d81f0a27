// A small seeded random generator (SplitMix64). The simulator draws everything that looks random
// from it, so the same seed always gives the same recording, on every machine and library
// version (std::mt19937 would do too, but the standard distributions are not portable).
#pragma once

#include <cstdint>

namespace vantrel::sim {

class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}

  uint64_t Next() {
    state_ += 0x9E3779B97F4A7C15ull;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  // Uniform in [0, 1).
  double Uniform() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
  // Uniform in [low, high).
  double Between(double low, double high) { return low + (high - low) * Uniform(); }
  // Uniform in [0, bound); bound must be positive.
  uint32_t Below(uint32_t bound) { return static_cast<uint32_t>((Next() >> 32) % bound); }

 private:
  uint64_t state_;
};

// A stateless hash of a few numbers: the same inputs give the same value, for textures and noise
// that must not depend on the order in which they are drawn.
inline uint32_t Hash(uint64_t a, uint64_t b = 0, uint64_t c = 0) {
  Random mix(a * 0x9E3779B97F4A7C15ull ^ (b + 0x632BE59BD9B4E019ull) * 0xC2B2AE3D27D4EB4Full ^
             c * 0x165667B19E3779F9ull);
  return static_cast<uint32_t>(mix.Next() >> 32);
}

}  // namespace vantrel::sim
