#include "sim/engine_sound.h"

#include <algorithm>
#include <cmath>

namespace vantrel::sim {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kHumHertz = 46.0;
constexpr double kHumAmplitude = 1800.0;  // about -25 dB below full scale
constexpr double kRumbleAmplitude = 2600.0;

}  // namespace

EngineSound::EngineSound(uint64_t seed) : random_(seed ^ 0xA0D10ull) {}

void EngineSound::Render(int16_t* out, int count) {
  for (int i = 0; i < count; ++i, ++sample_) {
    const double seconds = static_cast<double>(sample_) / kAudioSampleRate;
    // The engine speed wanders a little, as the driver's foot does.
    const double revs = 1.0 + 0.15 * std::sin(2 * kPi * 0.23 * seconds);
    phase_ += kHumHertz * revs / kAudioSampleRate;
    phase_ -= std::floor(phase_);
    const double angle = 2 * kPi * phase_;
    const double hum =
        std::sin(angle) + 0.5 * std::sin(2 * angle) + 0.25 * std::sin(3 * angle + 0.7);
    const double swell = 0.8 + 0.2 * std::sin(2 * kPi * 0.7 * seconds);
    rumble_ += 0.08 * (random_.Between(-1.0, 1.0) - rumble_);
    const double value = kHumAmplitude * swell * hum / 1.75 + kRumbleAmplitude * rumble_;
    out[i] = static_cast<int16_t>(std::clamp(std::lround(value), -32768L, 32767L));
  }
}

}  // namespace vantrel::sim
