// The GPS sentences and G-sensor samples of the text stream: what the viewer's telemetry reader
// parses must be well formed, on time, in the right hemisphere and plausible for a car.
#include <gtest/gtest.h>

#include <cmath>

#include "sim/route.h"
#include "sim/telemetry_packets.h"
#include "sim_test_support.h"

namespace vantrel::sim {
namespace {

std::string Text(const TelemetryPacket& packet) {
  return std::string(packet.bytes.begin(), packet.bytes.end());
}

// Decimal degrees of an RMC ddmm.mmmm / dddmm.mmmm field and its hemisphere letter.
double Degrees(const std::string& field, const std::string& hemisphere) {
  const double value = std::stod(field);
  const double degrees = std::floor(value / 100) + std::fmod(value, 100) / 60;
  return hemisphere == "S" || hemisphere == "W" ? -degrees : degrees;
}

TEST(SimRmcSentence, WritesFixesAndLostFixesWithTheirChecksum) {
  RmcFix fix;
  fix.utc = ClockTime{2012, 12, 31, 23, 59, 59};
  fix.milliseconds = 250;
  fix.latitude = 37.5083333333;
  fix.longitude = 127.0;
  fix.knots = 10.0;
  fix.course = 90.0;
  const std::string valid = RmcSentence(fix);
  EXPECT_EQ(valid.substr(0, valid.find('*')),
            "GPRMC,235959.250,A,3730.5000,N,12700.0000,E,10.00,90.00,311212,,,A");
  EXPECT_TRUE(test::HasValidChecksum(valid)) << valid;

  fix.latitude = -fix.latitude;
  fix.longitude = -fix.longitude;
  const std::vector<std::string> south_west = test::Fields(RmcSentence(fix));
  EXPECT_EQ(south_west[3] + south_west[4] + south_west[5] + south_west[6], "3730.5000S12700.0000W");

  // Minutes that round up to 60 carry into the degrees.
  fix.latitude = 37.99999999;
  fix.longitude = 8.999999999;
  const std::vector<std::string> carried = test::Fields(RmcSentence(fix));
  EXPECT_EQ(carried[3], "3800.0000");
  EXPECT_EQ(carried[5], "00900.0000");

  fix.valid = false;
  const std::string lost = RmcSentence(fix);
  EXPECT_TRUE(test::HasValidChecksum(lost)) << lost;
  EXPECT_EQ(lost.substr(0, lost.find('*')), "GPRMC,235959.250,V,,,,,,,311212,,,N");
}

RecordingDescription ThreeSeconds() {
  RecordingDescription d;
  d.seconds = 3.0;
  return d;
}

TEST(SimTelemetry, FixesAndSamplesFallDueAtTheirRatesInOrder) {
  RecordingDescription d = ThreeSeconds();
  d.gps_rate_hz = 2;
  d.gsensor_rate_hz = 5;
  const Route route(4, false, false, d.seed);
  const auto packets = MakeTelemetry(d, route, 2999);
  std::vector<int64_t> gps, gsensor;
  for (size_t i = 0; i < packets.size(); ++i) {
    (packets[i].bytes[0] == 'G' ? gps : gsensor).push_back(packets[i].due_ms);
    if (i > 0) {
      EXPECT_LE(packets[i - 1].due_ms, packets[i].due_ms);
    }
  }
  EXPECT_EQ(gps, (std::vector<int64_t>{0, 500, 1000, 1500, 2000, 2500}));
  EXPECT_EQ(gsensor.size(), 15u);
  EXPECT_EQ(gsensor.back(), 2800);
  // At the same moment the fix comes first.
  EXPECT_EQ(packets[0].bytes[0], 'G');
  EXPECT_EQ(packets[1].bytes[0], 'M');
  // Nothing after the end.
  EXPECT_TRUE(MakeTelemetry(d, route, -1).empty());
}

TEST(SimTelemetry, GpsTimeIsUtcAndCrossesMidnightAndTheYear) {
  RecordingDescription d = ThreeSeconds();
  d.start = ClockTime{2014, 1, 1, 5, 59, 59};  // Korean time; UTC is nine hours behind
  const Route route(4, false, false, d.seed);
  const auto packets = MakeTelemetry(d, route, 2000);
  std::vector<std::string> times;
  for (const TelemetryPacket& packet : packets) {
    if (packet.bytes[0] != 'G') continue;
    ASSERT_EQ(packet.bytes.back(), 0);
    const auto f = test::Fields(Text(packet).c_str());
    times.push_back(f[9] + " " + f[1]);
  }
  EXPECT_EQ(times, (std::vector<std::string>{"311213 205959.000", "311213 210000.000",
                                             "311213 210001.000"}));

  d.utc_offset_minutes = 0;
  d.start = ClockTime{2013, 12, 31, 23, 59, 59};
  std::vector<std::string> dates;
  for (const TelemetryPacket& packet : MakeTelemetry(d, route, 1000)) {
    if (packet.bytes[0] == 'G') dates.push_back(test::Fields(Text(packet).c_str())[9]);
  }
  EXPECT_EQ(dates, (std::vector<std::string>{"311213", "010114"}));
}

TEST(SimTelemetry, FixesDescribeAPlausibleDriveInTheChosenHemisphere) {
  for (const auto& [south, west] : {std::pair{false, false}, std::pair{true, true}}) {
    RecordingDescription d = ThreeSeconds();
    d.seconds = 30;
    d.south = south;
    d.west = west;
    const Route route(31, south, west, d.seed);
    std::vector<std::vector<std::string>> fixes;
    for (const TelemetryPacket& packet : MakeTelemetry(d, route, 30000)) {
      if (packet.bytes[0] == 'G') fixes.push_back(test::Fields(Text(packet).c_str()));
    }
    ASSERT_EQ(fixes.size(), 31u);
    for (size_t i = 0; i < fixes.size(); ++i) {
      const auto& f = fixes[i];
      EXPECT_EQ(f[2], "A");
      EXPECT_EQ(f[4], south ? "S" : "N");
      EXPECT_EQ(f[6], west ? "W" : "E");
      const double knots = std::stod(f[7]);
      EXPECT_GT(knots, 3.0);   // town traffic that keeps rolling...
      EXPECT_LT(knots, 50.0);  // ...and keeps to the limits
      const double course = std::stod(f[8]);
      EXPECT_GE(course, 0.0);
      EXPECT_LT(course, 360.0);
      if (i == 0) continue;
      // The distance between fixes a second apart matches the speeds reported.
      const auto& p = fixes[i - 1];
      const double north = (Degrees(f[3], f[4]) - Degrees(p[3], p[4])) * 111320;
      const double east = (Degrees(f[5], f[6]) - Degrees(p[5], p[6])) * 111320 *
                          std::cos(Degrees(f[3], f[4]) * M_PI / 180);
      const double metres = std::hypot(north, east);
      const double expected = (std::stod(p[7]) + knots) / 2 * 1.852 / 3.6;
      EXPECT_NEAR(metres, expected, 0.5 + 0.05 * expected) << "fix " << i;
    }
  }
}

TEST(SimTelemetry, StatusFollowsTheChosenMode) {
  RecordingDescription d = ThreeSeconds();
  d.seconds = 20;
  const Route route(21, false, false, d.seed);
  auto statuses = [&](GpsStatusMode mode) {
    d.gps_status = mode;
    std::string letters;
    for (const TelemetryPacket& packet : MakeTelemetry(d, route, 19999)) {
      if (packet.bytes[0] == 'G') letters += test::Fields(Text(packet).c_str())[2];
    }
    return letters;
  };
  EXPECT_EQ(statuses(GpsStatusMode::kValid), std::string(20, 'A'));
  EXPECT_EQ(statuses(GpsStatusMode::kInvalid), std::string(20, 'V'));
  // Searching at power-up, then a tunnel.
  EXPECT_EQ(statuses(GpsStatusMode::kMixed), "VAAAAAAAAAVVVAAAAAAA");
}

TEST(SimTelemetry, GsensorRestsNearOneGDownUntilAShockOfAFewG) {
  RecordingDescription d = ThreeSeconds();
  d.seconds = 4;
  d.shock_seconds = 2.0;
  const Route route(5, false, false, d.seed);
  int jolts = 0;
  for (const TelemetryPacket& packet : MakeTelemetry(d, route, 3999)) {
    if (packet.bytes[0] != 'M') continue;
    ASSERT_EQ(packet.bytes.size(), 4u);
    const int x = packet.bytes[1], y = packet.bytes[2], z = packet.bytes[3];
    if (packet.due_ms < 2000 || packet.due_ms >= 3000) {
      // Shown as value / 32: about 0 g across, 1 g down, inside the graph's +-2 g.
      EXPECT_LE(x, 12) << packet.due_ms;
      EXPECT_LE(y, 12) << packet.due_ms;
      EXPECT_NEAR(z, kGsensorRestZ, 6) << packet.due_ms;
    } else if (x > 24) {
      ++jolts;
    }
    if (packet.due_ms == 2000) {
      EXPECT_GE(x, 2 * kGsensorCountsPerG);  // the knock's first sample: 2 to 3 g sideways
      EXPECT_LE(x, 3 * kGsensorCountsPerG);
    }
  }
  EXPECT_GE(jolts, 2);  // lasts a few samples, well under a second
  EXPECT_LE(jolts, 6);
}

}  // namespace
}  // namespace vantrel::sim
