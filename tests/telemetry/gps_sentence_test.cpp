// Reading RMC sentences: the field rules, the +9 hour shift and its roll-over, cut sentences,
// and parsing on two threads at once.
#include "telemetry/gps_sentence.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <thread>

#include "telemetry/text_numbers.h"

namespace vantrel {
namespace {

constexpr char kNewYear[] = "GPRMC,235959.000,A,3730.5000,N,12700.0000,E,10.0,90.0,311212,,,A*6C";

void UseZone(const char* zone) {
  setenv("TZ", zone, 1);
  tzset();
}

TEST(GpsSentenceTest, CompleteSentenceShiftsTheHourAndRollsIntoTheNextDay) {
  UseZone("UTC");
  GpsRecord record;
  EXPECT_TRUE(ParseGpsSentence(record, 4321, kNewYear));
  EXPECT_EQ(record.time_stamp, 4321u);
  EXPECT_EQ(record.hour, 32);
  EXPECT_EQ(record.second, 59);
  EXPECT_EQ(record.day, 31);
  EXPECT_EQ(record.year, 12);
  EXPECT_EQ(record.valid, 1u);
  EXPECT_EQ(record.speed, static_cast<double>(18.52f));  // through single precision
  EXPECT_EQ(record.fix_time, 1357030799);                // 2013-01-01 08:59:59 local
  // In the recorder's own zone (UTC+9) the shifted time is the true instant of the fix.
  UseZone("KST-9");
  ASSERT_TRUE(ParseGpsSentence(record, 0, kNewYear));
  EXPECT_EQ(record.fix_time, 1356998399);  // 2012-12-31 23:59:59 UTC
  // From 70 on two-digit years are of the last century; 2069 needs 64 bits.
  UseZone("UTC");
  ASSERT_TRUE(ParseGpsSentence(record, 0, "GPRMC,000000,A,0,N,0,E,0,0,010170"));
  EXPECT_EQ(record.fix_time, 9 * 3600);
  ASSERT_TRUE(ParseGpsSentence(record, 0, "GPRMC,000000,A,0,N,0,E,0,0,010169"));
  EXPECT_EQ(record.fix_time, 3124256400);
}

TEST(GpsSentenceTest, CutSentenceKeepsWhatWasReadAndHasNoFixTime) {
  GpsRecord record;
  EXPECT_FALSE(ParseGpsSentence(record, 77, "GPRMC,235959,A,3730.5000,N,12700.0000"));
  EXPECT_EQ(record.time_stamp, 77u);
  EXPECT_EQ(record.hour, 32);
  EXPECT_DOUBLE_EQ(record.latitude, 3730.5);
  EXPECT_DOUBLE_EQ(record.longitude, 12700.0);  // its letter never came
  EXPECT_EQ(record.speed, 0.0);
  EXPECT_EQ(record.day, 0);
  EXPECT_EQ(record.fix_time, 0);

  GpsRecord no_date;  // nine fields are one short; an empty tenth one is a field
  EXPECT_FALSE(ParseGpsSentence(no_date, 0, "GPRMC,1,A,1,N,1,E,1,1"));
  EXPECT_TRUE(ParseGpsSentence(no_date, 0, "GPRMC,1,A,1,N,1,E,1,1,"));
  EXPECT_FALSE(ParseGpsSentence(no_date, 0, ""));
}

TEST(GpsSentenceTest, FieldsAreReadByTheirLeadingPart) {
  // Leading commas are skipped; empty fields read as 0 and an empty or lower-case hemisphere
  // letter negates; short packed fields never borrow characters from the next field.
  GpsRecord record;
  ASSERT_TRUE(ParseGpsSentence(record, 0, ",,,GPRMC,1,a,12.5xyz,, 7,e,,abc,3112"));
  EXPECT_EQ(record.hour, 10);
  EXPECT_EQ(record.minute, 0);
  EXPECT_EQ(record.valid, 0u);
  EXPECT_DOUBLE_EQ(record.latitude, -12.5);
  EXPECT_DOUBLE_EQ(record.longitude, -7.0);
  EXPECT_EQ(record.course, 0.0);
  EXPECT_EQ(record.month, 12);
  EXPECT_EQ(record.year, 0);

  EXPECT_DOUBLE_EQ(LeadingDouble("  -1.5e2z"), -150.0);
  EXPECT_DOUBLE_EQ(LeadingDouble("+.5"), 0.5);
  EXPECT_EQ(LeadingInteger(" -42x"), -42);
  EXPECT_EQ(LeadingInteger("--1"), 0);
  EXPECT_EQ(LeadingInteger("99999999999999999999"), 2147483647);  // saturates, never overflows
}

// A number that is no number must never reach the map, the report or an export as a position.
TEST(GpsSentenceTest, NonFiniteNumbersMakeTheFixInvalidAndReadAsZero) {
  const struct {
    const char* sentence;
    const char* what;
  } cases[] = {
      {"GPRMC,1,A,nan,N,12700.0,E,10.0,90.0,010120", "latitude nan"},
      {"GPRMC,1,A,3730.5,N,-inf,E,10.0,90.0,010120", "longitude -inf"},
      {"GPRMC,1,A,3730.5,N,1e999,E,10.0,90.0,010120", "longitude overflowing"},
      {"GPRMC,1,A,3730.5,N,12700.0,E,infinity,90.0,010120", "speed inf"},
      {"GPRMC,1,A,3730.5,N,12700.0,E,1e300,90.0,010120", "speed beyond single precision"},
      {"GPRMC,1,A,3730.5,N,12700.0,E,10.0,NAN,010120", "course nan"},
  };
  for (const auto& c : cases) {
    GpsRecord record;
    EXPECT_TRUE(ParseGpsSentence(record, 0, c.sentence)) << c.what;
    EXPECT_EQ(record.valid, 0u) << c.what;
    for (const double value : {record.latitude, record.longitude, record.speed, record.course}) {
      EXPECT_TRUE(std::isfinite(value)) << c.what;
    }
    EXPECT_EQ(record.day, 1) << c.what << ": the other fields are read as before";
  }
  GpsRecord cut;
  EXPECT_FALSE(ParseGpsSentence(cut, 0, "GPRMC,1,A,nan"));
  EXPECT_EQ(cut.latitude, 0.0);
  EXPECT_EQ(cut.valid, 0u);
  GpsRecord large;  // finite, however far off, stays as the recorder wrote it
  EXPECT_TRUE(ParseGpsSentence(large, 0, "GPRMC,1,A,1e300,N,12700.0,E,10.0,90.0,010120"));
  EXPECT_EQ(large.valid, 1u);
  EXPECT_EQ(large.latitude, 1e300);
}

TEST(GpsSentenceTest, SentencesParseOnTwoThreadsAtOnce) {
  // A splitting position shared between calls would mix the fields of the two sentences.
  const auto worker = [](const char* text, double latitude, int day, int* failures) {
    for (int i = 0; i < 3000; ++i) {
      GpsRecord record;
      if (!ParseGpsSentence(record, i, text) || record.latitude != latitude || record.day != day) {
        ++*failures;
      }
    }
  };
  int failures_a = 0;
  int failures_b = 0;
  std::thread a(worker, "GPRMC,010203,A,1111.1,N,2222.2,E,1,2,050607", 1111.1, 5, &failures_a);
  std::thread b(worker, ",GPRMC,040506,V,3333.3,S,4444.4,W,3,4,080910,,,N*00", -3333.3, 8,
                &failures_b);
  a.join();
  b.join();
  EXPECT_EQ(failures_a, 0);
  EXPECT_EQ(failures_b, 0);
}

}  // namespace
}  // namespace vantrel
