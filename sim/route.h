// The drive a simulated recording shows: a car in town traffic that speeds up, slows down and
// turns now and then. The cameras' scene moves with its travel, the GPS reports its position,
// speed and course, and the G-sensor feels its acceleration.
#pragma once

#include <cstdint>
#include <vector>

namespace vantrel::sim {

struct RouteState {
  double latitude = 0;              // decimal degrees, negative south
  double longitude = 0;             // decimal degrees, negative west
  double speed = 0;                 // metres per second
  double course = 0;                // degrees clockwise from true north, [0, 360)
  double travel = 0;                // metres since the start
  double forward_acceleration = 0;  // metres per second squared
  double side_acceleration = 0;     // metres per second squared, positive to the right
};

class Route {
 public:
  // A drive of at least the given length, starting near Seoul, or at the mirrored point in the
  // southern and/or western hemisphere.
  Route(double seconds, bool south, bool west, uint64_t seed);

  // The car at a time; times outside the drive are clamped to it.
  RouteState At(double seconds) const;

 private:
  std::vector<RouteState> states_;  // one per step
};

}  // namespace vantrel::sim
