// Which digit the gauge puts in which place for a speed, including the speeds four places cannot
// show.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "telemetry/speed_digits.h"

namespace vantrel {
namespace {

using Digits = std::vector<GaugeDigit>;

TEST(SpeedDigits, TenthsAreTruncatedAndLeadingZerosStayDark) {
  EXPECT_EQ(GaugeDigits(0.0), (Digits{{0, 41}, {0, 61}}));
  EXPECT_EQ(GaugeDigits(0.5), (Digits{{0, 41}, {5, 61}}));
  EXPECT_EQ(GaugeDigits(0.94), (Digits{{0, 41}, {9, 61}}));
  EXPECT_EQ(GaugeDigits(9.99), (Digits{{9, 41}, {9, 61}}));
  EXPECT_EQ(GaugeDigits(10.0), (Digits{{1, 25}, {0, 41}, {0, 61}}));
  EXPECT_EQ(GaugeDigits(12.3), (Digits{{1, 25}, {2, 41}, {3, 61}}));
  EXPECT_EQ(GaugeDigits(100.0), (Digits{{1, 10}, {0, 25}, {0, 41}, {0, 61}}));
  EXPECT_EQ(GaugeDigits(999.9), (Digits{{9, 10}, {9, 25}, {9, 41}, {9, 61}}));
  EXPECT_EQ(GaugeDigits(105.07), (Digits{{1, 10}, {0, 25}, {5, 41}, {0, 61}}));
}

TEST(SpeedDigits, WhatFourPlacesCannotShowIsPinned) {
  const Digits top = {{9, 10}, {9, 25}, {9, 41}, {9, 61}};
  const Digits zero = {{0, 41}, {0, 61}};
  EXPECT_EQ(GaugeDigits(1000.0), top);
  EXPECT_EQ(GaugeDigits(1234.5), top);
  EXPECT_EQ(GaugeDigits(999.99), top);
  EXPECT_EQ(GaugeDigits(1e300), top);
  EXPECT_EQ(GaugeDigits(std::numeric_limits<double>::infinity()), top);
  EXPECT_EQ(GaugeDigits(-3.0), zero);
  EXPECT_EQ(GaugeDigits(-0.05), zero);
  EXPECT_EQ(GaugeDigits(-std::numeric_limits<double>::infinity()), zero);
  EXPECT_EQ(GaugeDigits(std::nan("")), zero);
}

}  // namespace
}  // namespace vantrel
