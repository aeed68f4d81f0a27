// Reading RMC sentences: the field rules, the recorder's +9 hour shift and its roll-over, cut
// sentences, and parsing on several threads at once.
#include "telemetry/gps_sentence.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <thread>

#include "telemetry/text_numbers.h"

namespace vantrel {
namespace {

constexpr char kNewYearSentence[] =
    "GPRMC,235959.000,A,3730.5000,N,12700.0000,E,10.0,90.0,311212,,,A*6C";

// Fix times are local times; pin the zone so the expectations are plain numbers.
class GpsSentenceTest : public ::testing::Test {
 protected:
  void SetUp() override { UseZone("UTC"); }
  void TearDown() override { UseZone("UTC"); }
  static void UseZone(const char* zone) {
    setenv("TZ", zone, 1);
    tzset();
  }
};

TEST_F(GpsSentenceTest, CompleteSentenceShiftsTheHourAndRollsIntoTheNextDay) {
  GpsRecord record;
  EXPECT_TRUE(ParseGpsSentence(record, 4321, kNewYearSentence));
  EXPECT_EQ(record.time_stamp, 4321u);
  EXPECT_EQ(record.hour, 32);
  EXPECT_EQ(record.minute, 59);
  EXPECT_EQ(record.second, 59);
  EXPECT_EQ(record.day, 31);
  EXPECT_EQ(record.month, 12);
  EXPECT_EQ(record.year, 12);
  EXPECT_EQ(record.valid, 1u);
  EXPECT_DOUBLE_EQ(record.latitude, 3730.5);
  EXPECT_DOUBLE_EQ(record.longitude, 12700.0);
  EXPECT_EQ(record.speed, static_cast<double>(18.52f));  // through single precision
  EXPECT_NE(record.speed, 18.52);
  EXPECT_EQ(record.course, 90.0);
  EXPECT_EQ(record.fix_time, 1357030799);  // 2013-01-01 08:59:59 local (UTC here)

  // In the recorder's own zone (UTC+9) the shifted time is the true instant of the fix.
  UseZone("KST-9");
  GpsRecord korean;
  ASSERT_TRUE(ParseGpsSentence(korean, 0, kNewYearSentence));
  EXPECT_EQ(korean.fix_time, 1356998399);  // 2012-12-31 23:59:59 UTC
}

TEST_F(GpsSentenceTest, HemisphereLettersOtherThanNorthAndEastNegate) {
  GpsRecord south_west;
  ASSERT_TRUE(ParseGpsSentence(south_west, 0, "GPRMC,120000,A,3730.5,S,12700.0,W,0,0,010114"));
  EXPECT_DOUBLE_EQ(south_west.latitude, -3730.5);
  EXPECT_DOUBLE_EQ(south_west.longitude, -12700.0);

  GpsRecord empty_letters;  // a missing letter negates too
  ASSERT_TRUE(ParseGpsSentence(empty_letters, 0, "GPRMC,120000,A,3730.5,,12700.0,,0,0,010114"));
  EXPECT_DOUBLE_EQ(empty_letters.latitude, -3730.5);
  EXPECT_DOUBLE_EQ(empty_letters.longitude, -12700.0);

  GpsRecord lower_case;  // only the capital letters count
  ASSERT_TRUE(ParseGpsSentence(lower_case, 0, "GPRMC,120000,a,3730.5,n,12700.0,e,0,0,010114"));
  EXPECT_EQ(lower_case.valid, 0u);
  EXPECT_DOUBLE_EQ(lower_case.latitude, -3730.5);
  EXPECT_DOUBLE_EQ(lower_case.longitude, -12700.0);
}

TEST_F(GpsSentenceTest, CutSentenceKeepsWhatWasReadAndHasNoFixTime) {
  GpsRecord record;
  EXPECT_FALSE(ParseGpsSentence(record, 77, "GPRMC,235959,A,3730.5000,N,12700.0000"));
  EXPECT_EQ(record.time_stamp, 77u);
  EXPECT_EQ(record.hour, 32);
  EXPECT_EQ(record.valid, 1u);
  EXPECT_DOUBLE_EQ(record.latitude, 3730.5);
  EXPECT_DOUBLE_EQ(record.longitude, 12700.0);  // its letter never came
  EXPECT_EQ(record.speed, 0.0);
  EXPECT_EQ(record.course, 0.0);
  EXPECT_EQ(record.day, 0);
  EXPECT_EQ(record.month, 0);
  EXPECT_EQ(record.year, 0);
  EXPECT_EQ(record.fix_time, 0);

  GpsRecord without_date;  // nine fields but no tenth: still one short
  EXPECT_FALSE(ParseGpsSentence(without_date, 0, "GPRMC,1,A,1,N,1,E,1,1"));
  GpsRecord empty_date;  // an empty last field is still a field
  EXPECT_TRUE(ParseGpsSentence(empty_date, 0, "GPRMC,1,A,1,N,1,E,1,1,"));
  GpsRecord nothing;
  EXPECT_FALSE(ParseGpsSentence(nothing, 5, ""));
  EXPECT_EQ(nothing.time_stamp, 5u);
  EXPECT_EQ(nothing.hour, 0);
}

TEST_F(GpsSentenceTest, FieldsAreReadByTheirLeadingPart) {
  GpsRecord record;
  // Leading commas are skipped; empty fields read as 0; short packed fields never borrow
  // characters from the next field; numbers stop at the first character that is not theirs.
  ASSERT_TRUE(ParseGpsSentence(record, 0, ",,,GPRMC,1,V,12.5xyz,N, 7,E,,abc,3112"));
  EXPECT_EQ(record.hour, 10);
  EXPECT_EQ(record.minute, 0);
  EXPECT_EQ(record.second, 0);
  EXPECT_EQ(record.valid, 0u);
  EXPECT_DOUBLE_EQ(record.latitude, 12.5);
  EXPECT_DOUBLE_EQ(record.longitude, 7.0);
  EXPECT_EQ(record.speed, 0.0);
  EXPECT_EQ(record.course, 0.0);
  EXPECT_EQ(record.day, 31);
  EXPECT_EQ(record.month, 12);
  EXPECT_EQ(record.year, 0);

  // Two-digit years from 70 on are of the last century.
  GpsRecord old;
  ASSERT_TRUE(ParseGpsSentence(old, 0, "GPRMC,000000,A,0,N,0,E,0,0,010170"));
  EXPECT_EQ(old.fix_time, 9 * 3600);
  GpsRecord new_century;
  ASSERT_TRUE(ParseGpsSentence(new_century, 0, "GPRMC,000000,A,0,N,0,E,0,0,010169"));
  EXPECT_EQ(new_century.fix_time, 3124256400);  // 2069-01-01 09:00:00: needs 64 bits
}

TEST_F(GpsSentenceTest, NumbersAreReadLikeAtoiAndAtof) {
  EXPECT_DOUBLE_EQ(LeadingDouble("  -1.5e2z"), -150.0);
  EXPECT_DOUBLE_EQ(LeadingDouble("+.5"), 0.5);
  EXPECT_DOUBLE_EQ(LeadingDouble("x1"), 0.0);
  EXPECT_EQ(LeadingInteger(" -42x"), -42);
  EXPECT_EQ(LeadingInteger("+7"), 7);
  EXPECT_EQ(LeadingInteger("99999999999999999999"), 2147483647);
  EXPECT_EQ(LeadingInteger("-99999999999999999999"), -2147483647 - 1);
  EXPECT_EQ(LeadingInteger("--1"), 0);
}

TEST_F(GpsSentenceTest, OverlongTextIsCutAtTheWorkingLimit) {
  // The date sits at the very end of 1024 characters; the cut takes its last digit.
  std::string text = "GPRMC,235959,A,3730.5,N,12700.0,E,10.0,90.0,";
  text.insert(5, 1024 - 6 - text.size(), 'X');  // pad the tag
  text += "311212";
  ASSERT_EQ(text.size(), 1024u);
  GpsRecord record;
  EXPECT_TRUE(ParseGpsSentence(record, 0, text));
  EXPECT_EQ(record.day, 31);
  EXPECT_EQ(record.month, 12);
  EXPECT_EQ(record.year, 1);
  EXPECT_DOUBLE_EQ(record.latitude, 3730.5);
}

TEST_F(GpsSentenceTest, SentencesParseOnTwoThreadsAtOnce) {
  // Each thread checks every one of its results; a shared splitting position would mix the
  // fields of the two sentences.
  const auto worker = [](const char* text, double latitude, int day, int* failures) {
    for (int i = 0; i < 3000; ++i) {
      GpsRecord record;
      const bool complete = ParseGpsSentence(record, i, text);
      if (!complete || record.latitude != latitude || record.day != day ||
          record.time_stamp != static_cast<uint32_t>(i)) {
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
