#include "telemetry/speed_digits.h"

#include <cmath>
#include <cstdio>

namespace vantrel {
namespace {

constexpr int kLargestTenths = 9999;

// The speed in tenths, truncated toward zero; what cannot be shown is pinned to 0 or 9999.
int Tenths(double km_per_hour) {
  if (std::isnan(km_per_hour) || km_per_hour < 0) return 0;
  const double tenths = km_per_hour * 10;
  if (tenths >= kLargestTenths + 1) return kLargestTenths;
  return static_cast<int>(tenths);
}

}  // namespace

std::vector<GaugeDigit> GaugeDigits(double km_per_hour) {
  const int tenths = Tenths(km_per_hour);
  if (tenths <= 9) return {{0, kGaugePlaceX[2]}, {tenths, kGaugePlaceX[3]}};
  char text[8];
  std::snprintf(text, sizeof text, "%4d", tenths);
  std::vector<GaugeDigit> digits;
  bool leading = true;
  for (int place = 0; place < 4; ++place) {
    const int digit = text[place] == ' ' ? 0 : text[place] - '0';
    if (leading && digit == 0) continue;
    leading = false;
    digits.push_back({digit, kGaugePlaceX[place]});
  }
  return digits;
}

}  // namespace vantrel
