#include "sim/route.h"

#include <algorithm>
#include <cmath>

#include "sim/random.h"

namespace vantrel::sim {
namespace {

constexpr double kStep = 0.05;  // seconds between stored states
constexpr double kPi = 3.14159265358979323846;
constexpr double kMetresPerDegree = 111320.0;
constexpr double kHomeLatitude = 37.5665;
constexpr double kHomeLongitude = 126.9780;
constexpr double kMaximumAcceleration = 2.5;  // m/s^2, a brisk but ordinary driver
constexpr double kMinimumSpeed = 8.0 / 3.6;   // town traffic that keeps rolling

double Interpolate(double a, double b, double f) { return a + (b - a) * f; }

double InterpolateAngle(double a, double b, double f) {
  double difference = std::fmod(b - a + 540.0, 360.0) - 180.0;
  return std::fmod(a + difference * f + 360.0, 360.0);
}

}  // namespace

Route::Route(double seconds, bool south, bool west, uint64_t seed) {
  Random random(seed ^ 0x5EED0F0ADull);
  const size_t steps = static_cast<size_t>(std::ceil(std::max(0.0, seconds) / kStep)) + 2;
  states_.reserve(steps);

  RouteState state;
  state.latitude = (kHomeLatitude + random.Between(-0.05, 0.05)) * (south ? -1 : 1);
  state.longitude = (kHomeLongitude + random.Between(-0.05, 0.05)) * (west ? -1 : 1);
  state.speed = random.Between(20.0, 50.0) / 3.6;
  state.course = random.Between(0.0, 360.0);

  double target_speed = state.speed;
  double turn_rate = 0;  // degrees per second
  double segment_left = 0;
  for (size_t i = 0; i < steps; ++i) {
    if (segment_left <= 0) {
      // A new stretch: a new speed to aim for, and now and then a bend or a corner.
      segment_left = random.Between(4.0, 12.0);
      target_speed = random.Between(10.0, 80.0) / 3.6;
      const double bend = random.Uniform();
      turn_rate = bend < 0.6 ? 0.0 : random.Between(-15.0, 15.0);
    }
    if (i > 0) {
      const double wanted = std::clamp((target_speed - state.speed) * 0.5, -kMaximumAcceleration,
                                       kMaximumAcceleration);
      state.forward_acceleration = wanted;
      state.speed = std::max(kMinimumSpeed, state.speed + wanted * kStep);
      state.course = std::fmod(state.course + turn_rate * kStep + 360.0, 360.0);
      state.side_acceleration = state.speed * turn_rate * kPi / 180.0;
      const double distance = state.speed * kStep;
      state.travel += distance;
      const double course = state.course * kPi / 180.0;
      state.latitude += distance * std::cos(course) / kMetresPerDegree;
      state.longitude +=
          distance * std::sin(course) / (kMetresPerDegree * std::cos(state.latitude * kPi / 180.0));
    }
    states_.push_back(state);
    segment_left -= kStep;
  }
}

RouteState Route::At(double seconds) const {
  const double position = std::clamp(seconds / kStep, 0.0, static_cast<double>(states_.size() - 1));
  const size_t index = std::min(static_cast<size_t>(position), states_.size() - 2);
  const double f = position - static_cast<double>(index);
  const RouteState& a = states_[index];
  const RouteState& b = states_[index + 1];
  RouteState state;
  state.latitude = Interpolate(a.latitude, b.latitude, f);
  state.longitude = Interpolate(a.longitude, b.longitude, f);
  state.speed = Interpolate(a.speed, b.speed, f);
  state.course = InterpolateAngle(a.course, b.course, f);
  state.travel = Interpolate(a.travel, b.travel, f);
  state.forward_acceleration = Interpolate(a.forward_acceleration, b.forward_acceleration, f);
  state.side_acceleration = Interpolate(a.side_acceleration, b.side_acceleration, f);
  return state;
}

}  // namespace vantrel::sim
