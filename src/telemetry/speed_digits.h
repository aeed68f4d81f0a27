// What the speed gauge shows for a speed: which digit in which of its four places, and the
// decimal point, in tenths of km/h. The gauge widget only draws the images this names.
#pragma once

#include <vector>

namespace vantrel {

// The places' x positions (thousands, hundreds, tens, units of the tenths) and the point's; all
// sit at y kGaugeDigitY.
inline constexpr int kGaugePlaceX[4] = {10, 25, 41, 61};
inline constexpr int kGaugePointX = 56;
inline constexpr int kGaugeDigitY = 11;

struct GaugeDigit {
  int digit = 0;  // 0..9
  int x = 0;
  bool operator==(const GaugeDigit&) const = default;
};

// The digits to draw, left to right; the point is always drawn. Leading zeros stay dark, below
// 1.0 the tens place shows 0. What four places cannot show is pinned: 1000 km/h or more shows
// 999.9, a negative speed or one that is not a number shows 0.0.
std::vector<GaugeDigit> GaugeDigits(double km_per_hour);

}  // namespace vantrel
