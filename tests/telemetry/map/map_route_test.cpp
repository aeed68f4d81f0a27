#include "telemetry/map/map_route.h"

#include <gtest/gtest.h>

#include <limits>

namespace vantrel {
namespace {

GpsRecord Fix(double latitude, double longitude, uint32_t valid = 1) {
  GpsRecord fix;
  fix.latitude = latitude;
  fix.longitude = longitude;
  fix.valid = valid;
  return fix;
}

TEST(MapRoute, KeepsValidFixesOnTheGlobeInDecimalDegrees) {
  RecordArray<GpsRecord> fixes;
  fixes.Append(Fix(3730.5, 12700.0));
  fixes.Append(Fix(3731.0, 12701.0, 0));  // not valid
  fixes.Append(Fix(99999.0, 12700.0));    // a garbled sentence: 999 degrees
  fixes.Append(Fix(std::numeric_limits<double>::quiet_NaN(), 12700.0));
  fixes.Append(Fix(-3330.0, -7030.0));
  const std::vector<RoutePoint> route = RouteOf(fixes);
  ASSERT_EQ(route.size(), 2u);
  EXPECT_EQ(route[0].latitude, static_cast<float>(37.0 + 30.5 / 60.0));
  EXPECT_EQ(route[0].longitude, 127.0f);
  EXPECT_EQ(route[1].latitude, -33.5f);
  EXPECT_EQ(route[1].longitude, -70.5f);
}

TEST(MapRoute, LongRoutesAreThinnedEvenlyKeepingBothEnds) {
  RecordArray<GpsRecord> fixes;
  // Latitude i/1000 minutes: point i is told apart by its latitude.
  for (int i = 0; i < 50001; ++i) fixes.Append(Fix(i / 1000.0, 0.0));
  const std::vector<RoutePoint> route = RouteOf(fixes);
  ASSERT_EQ(route.size(), kMaxRoutePoints);
  EXPECT_EQ(route.front().latitude, 0.0f);
  EXPECT_EQ(route.back().latitude, static_cast<float>(50.0 / 60.0));
  // Even steps: 50000 / 19999 is 2.5 points per kept point, so a gap is 2 or 3 fixes.
  for (size_t i = 1; i < route.size(); ++i) {
    const double step = (route[i].latitude - route[i - 1].latitude) * 60.0 * 1000.0;
    EXPECT_GT(step, 1.5);
    EXPECT_LT(step, 3.5);
  }
  EXPECT_EQ(RouteOf(fixes, 1).size(), 1u);
  EXPECT_TRUE(RouteOf(fixes, 0).empty());
}

TEST(MapRoute, RoutesAtTheLimitStayWhole) {
  RecordArray<GpsRecord> fixes;
  for (int i = 0; i < 5; ++i) fixes.Append(Fix(i, 0.0));
  EXPECT_EQ(RouteOf(fixes, 5).size(), 5u);
  EXPECT_EQ(RouteOf(fixes, 4).size(), 4u);
}

}  // namespace
}  // namespace vantrel
