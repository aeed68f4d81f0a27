// GPX and CSV output of a store: what goes in, where the times come from, and numbers that keep
// their '.' whatever the locale.
#include "telemetry/telemetry_export.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "run_program.h"
#include "temp_dir.h"
#include "test_helpers.h"

namespace vantrel {
namespace {

using test::AddSentence;

TEST(TelemetryExportTest, GpxTrackHoldsTheValidFixesAtTheirOwnUtcTimes) {
  TelemetryStore store;
  AddSentence(store, "GPRMC,235959.000,A,3730.5000,N,12700.0000,E,10.0,90.0,311212,,,A*6C", 100);
  AddSentence(store, "GPRMC,000000,V,3731.0,N,12701.0,E,0,0,010113", 200);  // no fix
  AddSentence(store, "GPRMC,000001,A,3730.5,S,12700.0,W,0,359.5,010113", 300);
  AddSentence(store, "GPRMC,000002,A,9130.0,N,12700.0,E,1,0,010113", 400);  // off the globe
  AddSentence(store, "GPRMC,000003,A,3732.0,N,12702.0,E,-3,400", 500);      // cut short

  const std::vector<test::TrackPoint> points = test::ReadTrack(TelemetryGpx(store));
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[0].lat, "37.508333");
  EXPECT_EQ(points[0].lon, "127.000000");
  EXPECT_EQ(points[0].time, "2012-12-31T23:59:59Z");  // the sentence's time, not the +9 one
  EXPECT_EQ(points[0].speed, "5.144445");  // 18.52 km/h, kept at single precision, in m/s
  EXPECT_EQ(points[0].course, "90.000000");
  EXPECT_EQ(points[1].lat, "-37.508333");
  EXPECT_EQ(points[1].lon, "-127.000000");
  EXPECT_EQ(points[1].time, "2013-01-01T00:00:01Z");
  // Without a date there is no time; values outside the extension's ranges are left out.
  EXPECT_EQ(points[2].lat, "37.533333");
  EXPECT_EQ(points[2].time + points[2].speed + points[2].course, "");

  EXPECT_TRUE(test::ReadTrack(TelemetryGpx(TelemetryStore())).empty());
}

TEST(TelemetryExportTest, CsvHasOneRowPerRecordInTimeOrder) {
  setenv("TZ", "UTC", 1);  // the fix time column is local time
  tzset();
  TelemetryStore store;
  const uint8_t early[] = {'M', 0x1F, 0x7F, 0x9F};
  const uint8_t same_time[] = {'M', 0, 0, 0};
  store.ParseTelemetryPacket(early, sizeof(early), 50);
  AddSentence(store, "GPRMC,235959,A,3730.5,S,12700.0,E,10.0,90.0,311212", 100);
  store.ParseTelemetryPacket(same_time, sizeof(same_time), 100);
  AddSentence(store, "GPRMC,000001,V", 150);

  EXPECT_EQ(TelemetryCsv(store),
            "type,time_ms,valid,year,month,day,hour,minute,second,latitude_dm,longitude_dm,"
            "latitude,longitude,speed_kmh,course,fix_time,x,y,z\n"
            "M,50,,,,,,,,,,,,,,,32,128,160\n"
            "G,100,1,12,12,31,32,59,59,-3730.500000,12700.000000,-37.508333,127.000000,"
            "18.520000,90.000000,1357030799,,,\n"
            "M,100,,,,,,,,,,,,,,,1,1,1\n"
            "G,150,0,0,0,0,9,0,1,0.000000,0.000000,0.000000,0.000000,0.000000,0.000000,0,,,\n");
}

TEST(TelemetryExportTest, DecimalPointsSurviveADecimalCommaLocale) {
  // The viewer runs in the user's locale, where "3730.5" may read as 3730 and numbers may print
  // as "37,5". Build such a locale (numbers only) and parse and export under it.
  test::TempDir folder;
  ASSERT_TRUE(test::WriteFile(folder.path() / "comma.src",
                              "LC_NUMERIC\ndecimal_point \"<U002C>\"\nthousands_sep \"\"\n"
                              "grouping -1\nEND LC_NUMERIC\n"));
  // localedef warns about the categories it lacks.
  test::RunProgram("localedef",
                   {"-c", "-f", "UTF-8", "-i", folder.File("comma.src"), folder.File("comma")});
  setenv("LOCPATH", folder.path().c_str(), 1);
  if (setlocale(LC_NUMERIC, "comma") == nullptr) GTEST_SKIP() << "localedef is not available";

  TelemetryStore store;
  AddSentence(store, "GPRMC,235959,A,3730.5,N,12700.25,E,10.5,90.5,311212", 100);
  const std::string gpx = TelemetryGpx(store);
  const std::string csv = TelemetryCsv(store);
  setlocale(LC_NUMERIC, "C");
  unsetenv("LOCPATH");

  ASSERT_EQ(store.gps_records().size(), 1u);
  EXPECT_EQ(store.gps_records()[0].latitude, 3730.5);
  EXPECT_EQ(store.gps_records()[0].longitude, 12700.25);
  const std::vector<test::TrackPoint> points = test::ReadTrack(gpx);
  ASSERT_EQ(points.size(), 1u);
  EXPECT_EQ(points[0].lon, "127.004167");
  EXPECT_NE(csv.find(",3730.500000,12700.250000,37.508333,127.004167,"), std::string::npos) << csv;
}

}  // namespace
}  // namespace vantrel
