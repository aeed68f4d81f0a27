#include "sim/telemetry_packets.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "sim/civil_time.h"
#include "sim/random.h"

namespace vantrel::sim {
namespace {

constexpr double kKilometresPerKnot = 1.852;
constexpr double kGravity = 9.81;
constexpr double kPi = 3.14159265358979323846;

// Degrees as the receiver writes them: degrees, whole minutes and four decimals of a minute,
// rounded once so that 59.99999 minutes never shows as "60.0000".
std::string DegreesMinutes(double degrees, int degree_digits) {
  const int64_t units = std::llround(std::fabs(degrees) * 60.0 * 10000.0);
  char text[32];
  std::snprintf(text, sizeof text, "%0*lld%02lld.%04lld", degree_digits,
                static_cast<long long>(units / 600000), static_cast<long long>(units / 10000 % 60),
                static_cast<long long>(units % 10000));
  return text;
}

// Whether the receiver has a fix for the n-th of count fixes.
bool HasFix(GpsStatusMode mode, int64_t n, int64_t count) {
  switch (mode) {
    case GpsStatusMode::kValid:
      return true;
    case GpsStatusMode::kInvalid:
      return false;
    case GpsStatusMode::kMixed:
      // Searching at power-up, then a tunnel a little past the middle.
      return n != 0 && !(n * 100 >= count * 50 && n * 100 < count * 65);
  }
  return true;
}

uint8_t Raw(double counts) {
  return static_cast<uint8_t>(std::clamp<long>(std::lround(counts), 0, 255));
}

std::vector<uint8_t> GsensorPacket(const RecordingDescription& description, const Route& route,
                                   double seconds, Random& random) {
  const RouteState car = route.At(seconds);
  double x = std::fabs(car.side_acceleration) / kGravity * kGsensorCountsPerG;
  double y = std::fabs(car.forward_acceleration) / kGravity * kGsensorCountsPerG;
  double z = kGsensorRestZ;
  // Road vibration, felt most on the vertical axis.
  x += random.Between(0.0, 1.5);
  y += random.Between(0.0, 1.5);
  z += random.Between(-3.0, 3.0);
  if (description.shock_seconds && seconds >= *description.shock_seconds) {
    // A knock, mostly sideways, that swings back once and dies down within a second: about
    // 2.5 g at its height, slow enough to show in samples a tenth of a second apart.
    const double since = seconds - *description.shock_seconds;
    const double ring = std::fabs(std::exp(-since / 0.25) * std::cos(2 * kPi * 1.5 * since));
    x += 2.5 * kGsensorCountsPerG * ring;
    y += 1.0 * kGsensorCountsPerG * ring;
    z += 0.6 * kGsensorCountsPerG * ring;
  }
  return {'M', Raw(x), Raw(y), Raw(z)};
}

std::vector<uint8_t> GpsPacket(const RecordingDescription& description, const Route& route,
                               int64_t due_ms, bool valid) {
  const RouteState car = route.At(due_ms / 1000.0);
  RmcFix fix;
  const int64_t utc_seconds =
      ToSeconds(description.start) - int64_t{description.utc_offset_minutes} * 60 + due_ms / 1000;
  fix.utc = FromSeconds(utc_seconds);
  fix.milliseconds = static_cast<int>(due_ms % 1000);
  fix.valid = valid;
  fix.latitude = car.latitude;
  fix.longitude = car.longitude;
  fix.knots = car.speed * 3.6 / kKilometresPerKnot;
  fix.course = car.course;
  const std::string sentence = RmcSentence(fix);
  std::vector<uint8_t> bytes(sentence.begin(), sentence.end());
  bytes.push_back(0);
  return bytes;
}

}  // namespace

std::string RmcSentence(const RmcFix& fix) {
  char time[16];
  std::snprintf(time, sizeof time, "%02d%02d%02d.%03d", fix.utc.hour, fix.utc.minute,
                fix.utc.second, fix.milliseconds);
  char date[16];
  std::snprintf(date, sizeof date, "%02d%02d%02d", fix.utc.day, fix.utc.month, fix.utc.year % 100);
  std::string body = std::string("GPRMC,") + time;
  if (fix.valid) {
    char motion[48];
    std::snprintf(motion, sizeof motion, "%.2f,%.2f", fix.knots, fix.course);
    body += ",A," + DegreesMinutes(fix.latitude, 2) + (fix.latitude < 0 ? ",S," : ",N,") +
            DegreesMinutes(fix.longitude, 3) + (fix.longitude < 0 ? ",W," : ",E,") + motion + "," +
            date + ",,,A";
  } else {
    body += std::string(",V,,,,,,,") + date + ",,,N";
  }
  uint8_t checksum = 0;
  for (char c : body) checksum ^= static_cast<uint8_t>(c);
  char tail[8];
  std::snprintf(tail, sizeof tail, "*%02X", checksum);
  return body + tail;
}

std::vector<TelemetryPacket> MakeTelemetry(const RecordingDescription& description,
                                           const Route& route, int64_t until_ms) {
  std::vector<TelemetryPacket> packets;
  Random random(description.seed ^ 0x6E5E7500ull);
  const double gps_period = 1000.0 / description.gps_rate_hz;
  const double gsensor_period = 1000.0 / description.gsensor_rate_hz;
  const int64_t gps_count = static_cast<int64_t>(std::floor(until_ms / gps_period)) + 1;
  int64_t gps = 0;
  int64_t gsensor = 0;
  while (true) {
    const int64_t gps_due = std::llround(gps * gps_period);
    const int64_t gsensor_due = std::llround(gsensor * gsensor_period);
    if (std::min(gps_due, gsensor_due) > until_ms) break;
    TelemetryPacket packet;
    if (gps_due <= gsensor_due) {
      packet.due_ms = gps_due;
      packet.bytes =
          GpsPacket(description, route, gps_due, HasFix(description.gps_status, gps, gps_count));
      ++gps;
    } else {
      packet.due_ms = gsensor_due;
      packet.bytes = GsensorPacket(description, route, gsensor_due / 1000.0, random);
      ++gsensor;
    }
    packets.push_back(std::move(packet));
  }
  return packets;
}

}  // namespace vantrel::sim
