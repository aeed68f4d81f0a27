#include "telemetry/telemetry_export.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>

#include "telemetry/coordinates.h"
#include "telemetry/fix_time.h"

namespace vantrel {
namespace {

constexpr double kKilometresPerHourPerMetrePerSecond = 3.6;

// value with six decimals, as "%.6f" in the C locale.
std::string Decimal(double value) {
  char text[400];  // room for the largest double in fixed notation
  const auto result = std::to_chars(text, text + sizeof(text), value, std::chars_format::fixed, 6);
  return std::string(text, result.ptr);
}

std::string UtcText(int64_t seconds) {
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm utc{};
  if (gmtime_r(&time, &utc) == nullptr) return "";
  char text[64];
  std::snprintf(text, sizeof(text), "%04d-%02d-%02dT%02d:%02d:%02dZ", utc.tm_year + 1900,
                utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
  return text;
}

std::string TrackPoint(const GpsRecord& fix) {
  const double latitude = DegreesMinutesToDegrees(fix.latitude);
  const double longitude = DegreesMinutesToDegrees(fix.longitude);
  // The GPX schema's ranges; a NaN fails both tests too.
  if (!(latitude >= -90.0 && latitude <= 90.0) || !(longitude >= -180.0 && longitude < 180.0)) {
    return "";
  }
  std::string point =
      "      <trkpt lat=\"" + Decimal(latitude) + "\" lon=\"" + Decimal(longitude) + "\">\n";
  if (fix.fix_time != 0) point += "        <time>" + UtcText(SentenceUtcTime(fix)) + "</time>\n";

  std::string extension;
  if (fix.speed >= 0.0 && std::isfinite(fix.speed)) {
    extension += "            <gpxtpx:speed>" +
                 Decimal(fix.speed / kKilometresPerHourPerMetrePerSecond) + "</gpxtpx:speed>\n";
  }
  if (fix.course >= 0.0 && fix.course < 360.0) {
    extension += "            <gpxtpx:course>" + Decimal(fix.course) + "</gpxtpx:course>\n";
  }
  if (!extension.empty()) {
    point += "        <extensions>\n          <gpxtpx:TrackPointExtension>\n" + extension +
             "          </gpxtpx:TrackPointExtension>\n        </extensions>\n";
  }
  return point + "      </trkpt>\n";
}

std::string GpsRow(const GpsRecord& fix) {
  std::string row = "G," + std::to_string(fix.time_stamp);
  for (const int64_t field :
       {int64_t{fix.valid}, int64_t{fix.year}, int64_t{fix.month}, int64_t{fix.day},
        int64_t{fix.hour}, int64_t{fix.minute}, int64_t{fix.second}}) {
    row += "," + std::to_string(field);
  }
  for (const double field : {fix.latitude, fix.longitude, DegreesMinutesToDegrees(fix.latitude),
                             DegreesMinutesToDegrees(fix.longitude), fix.speed, fix.course}) {
    row += "," + Decimal(field);
  }
  return row + "," + std::to_string(fix.fix_time) + ",,,\n";
}

std::string GsensorRow(const GsensorRecord& sample) {
  return "M," + std::to_string(sample.time_stamp) + ",,,,,,,,,,,,,,," + std::to_string(sample.x) +
         "," + std::to_string(sample.y) + "," + std::to_string(sample.z) + "\n";
}

}  // namespace

std::string TelemetryGpx(const TelemetryStore& store) {
  std::string document =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<gpx version=\"1.1\" creator=\"Vantrel Viewer\"\n"
      "     xmlns=\"http://www.topografix.com/GPX/1/1\"\n"
      "     xmlns:gpxtpx=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v2\"\n"
      "     xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\n"
      "     xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 "
      "http://www.topografix.com/GPX/1/1/gpx.xsd\">\n"
      "  <trk>\n"
      "    <trkseg>\n";
  for (const GpsRecord& fix : store.gps_records()) {
    if (fix.valid != 0) document += TrackPoint(fix);
  }
  return document + "    </trkseg>\n  </trk>\n</gpx>\n";
}

std::string TelemetryCsv(const TelemetryStore& store) {
  std::string table =
      "type,time_ms,valid,year,month,day,hour,minute,second,latitude_dm,longitude_dm,latitude,"
      "longitude,speed_kmh,course,fix_time,x,y,z\n";
  const auto& fixes = store.gps_records();
  const auto& samples = store.gsensor_records();
  size_t g = 0;
  size_t m = 0;
  while (g < fixes.size() || m < samples.size()) {
    if (m == samples.size() || (g < fixes.size() && fixes[g].time_stamp <= samples[m].time_stamp)) {
      table += GpsRow(fixes[g++]);
    } else {
      table += GsensorRow(samples[m++]);
    }
  }
  return table;
}

}  // namespace vantrel
