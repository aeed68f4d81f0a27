// "time.cfg": the two CR LF lines, reading into the six clock lists (unmatched values leave a
// list as it was), and filling the lists from a local time.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "device/clock_file.h"
#include "temp_dir.h"

namespace vantrel::device {
namespace {

ClockSelection Selected(int year, int month, int day, int hour, int minute, int second) {
  ClockSelection clock;
  clock.index = {year - kFirstClockYear, month - 1, day - 1, hour, minute, second};
  return clock;
}

class ClockFileTest : public ::testing::Test {
 protected:
  ClockSelection ReadText(const std::string& bytes, ClockSelection clock = {}) {
    EXPECT_TRUE(test::WriteFile(path(), bytes));
    EXPECT_TRUE(ReadClockFile(path(), clock));
    return clock;
  }
  std::string path() const { return dir_.File("time.cfg"); }

  test::TempDir dir_;
};

TEST_F(ClockFileTest, WritesAndReadsTheExample) {
  const ClockSelection clock = Selected(2013, 5, 7, 14, 3, 9);
  EXPECT_EQ(FormatClockFile(clock), "13/05/07\r\n14/03/09\r\n");
  ASSERT_TRUE(WriteClockFile(path(), clock));
  EXPECT_EQ(test::ReadFile(path()), "13/05/07\r\n14/03/09\r\n");
  ClockSelection read;
  ASSERT_TRUE(ReadClockFile(path(), read));
  EXPECT_EQ(read, clock);
  EXPECT_EQ(ClockEntryText(kClockYear, read.index[kClockYear]), "2013");
  EXPECT_EQ(ClockEntryText(kClockSecond, read.index[kClockSecond]), "09");
}

TEST_F(ClockFileTest, ValuesWithoutAnEntryLeaveTheirLists) {
  const ClockSelection before = Selected(2020, 1, 2, 3, 4, 5);
  // 2099 and 2010 are outside 2011..2030; month 13, hour 24, minute 60 have no entry; separators
  // are not checked.
  ClockSelection read = ReadText("99-13-31\n24:60:59\n", before);
  EXPECT_EQ(read, Selected(2020, 1, 31, 3, 4, 59));
  EXPECT_EQ(ReadText("10/05/07\r\n", before), Selected(2020, 5, 7, 3, 4, 5))
      << "no second line: the time lists stay";
  EXPECT_EQ(ReadText("13/5/7\r\n1/2/3\r\n", before), Selected(2013, 1, 2, 3, 4, 5))
      << "single digits are no entries";
  EXPECT_EQ(ReadText("", before), before);
}

TEST_F(ClockFileTest, AMissingFileChangesNothing) {
  ClockSelection clock = Selected(2015, 6, 7, 8, 9, 10);
  EXPECT_FALSE(ReadClockFile(dir_.File("none.cfg"), clock));
  EXPECT_EQ(clock, Selected(2015, 6, 7, 8, 9, 10));
}

TEST_F(ClockFileTest, TheListsAndTheCurrentTime) {
  EXPECT_EQ(ClockEntryCount(kClockYear), 20);
  EXPECT_EQ(ClockEntryText(kClockYear, 19), "2030");
  EXPECT_EQ(ClockEntryText(kClockDay, 30), "31");
  EXPECT_EQ(ClockEntryText(kClockHour, 0), "00");
  EXPECT_EQ(ClockEntryText(kClockMinute, 60), "");
  EXPECT_EQ(FindClockEntry(kClockMonth, "12"), 11);
  EXPECT_EQ(FindClockEntry(kClockMonth, "1"), -1);

  std::tm time{};
  time.tm_year = 2024 - 1900;
  time.tm_mon = 1;
  time.tm_mday = 29;
  time.tm_hour = 23;
  time.tm_min = 59;
  time.tm_sec = 58;
  ClockSelection clock;
  SelectClockTime(time, clock);
  EXPECT_EQ(clock, Selected(2024, 2, 29, 23, 59, 58));
  time.tm_year = 2031 - 1900;
  SelectClockTime(time, clock);
  EXPECT_EQ(clock.index[kClockYear], 2024 - kFirstClockYear) << "2031 has no entry";
}

TEST_F(ClockFileTest, ListsWithoutASelectionWriteEmptyFields) {
  ClockSelection clock = Selected(2013, 5, 7, 14, 3, 9);
  clock.index[kClockYear] = -1;
  clock.index[kClockMinute] = -1;
  EXPECT_EQ(FormatClockFile(clock), "/05/07\r\n14//09\r\n");
}

TEST_F(ClockFileTest, AFailedWriteKeepsThePreviousFile) {
  ASSERT_TRUE(test::WriteFile(path(), "13/05/07\r\n14/03/09\r\n"));
  // A folder in the way of the new file stands for a card that refuses the write.
  std::filesystem::create_directory(dir_.File(".time.cfg.new"));
  std::filesystem::create_directory(dir_.File(".time.cfg.new/x"));
  EXPECT_FALSE(WriteClockFile(path(), Selected(2020, 1, 1, 0, 0, 0)));
  EXPECT_EQ(test::ReadFile(path()), "13/05/07\r\n14/03/09\r\n");
  EXPECT_FALSE(WriteClockFile(dir_.File("gone/time.cfg"), Selected(2020, 1, 1, 0, 0, 0)));
}

}  // namespace
}  // namespace vantrel::device
