#include "telemetry/coordinates.h"

#include <cmath>

namespace vantrel {

double DegreesMinutesToDegrees(double degrees_minutes) {
  const double value = degrees_minutes * 0.01;
  const double degrees = std::trunc(value);
  return degrees + (value - degrees) * 100.0 / 60.0;
}

}  // namespace vantrel
