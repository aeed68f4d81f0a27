// Snapshot names and the moments they are made of: the recorder's own example, extensions,
// names that try to leave the save folder, and the clock texts the command line accepts.
#include "tools/snapshot_names.h"

#include <gtest/gtest.h>

#include "tools/local_time.h"

namespace vantrel::tools {
namespace {

constexpr LocalTime kMoment{2014, 3, 5, 9, 7, 2, 45};

TEST(SnapshotNames, NamesCarryTheRecordingTheMomentAndTheChannel) {
  EXPECT_EQ(SnapshotPath("/home/u/CAM_CAPTURE", "REC_20140101_120000_2.avi", kMoment, 0),
            "/home/u/CAM_CAPTURE/REC_20140101_120000_2-2014-03-05-09h07m02s045(Track1).jpg");
  EXPECT_EQ(SnapshotPath("/s", "REC_20140101_120000_2.avi", kMoment, 1),
            "/s/REC_20140101_120000_2-2014-03-05-09h07m02s045(Track2).jpg");
  // Two captures within one second differ in the millisecond field.
  LocalTime later = kMoment;
  later.millisecond = 46;
  EXPECT_NE(SnapshotPath("/s", "a.avi", kMoment, 0), SnapshotPath("/s", "a.avi", later, 0));
}

TEST(SnapshotNames, OnlyTheLastExtensionGoesAndNeverALeadingDot) {
  EXPECT_EQ(WithoutExtension("a.b.avi"), "a.b");
  EXPECT_EQ(WithoutExtension("noext"), "noext");
  EXPECT_EQ(WithoutExtension(".hidden"), ".hidden");
  EXPECT_EQ(WithoutExtension(""), "");
  EXPECT_EQ(SnapshotPath("/s", "", kMoment, 0), "/s/-2014-03-05-09h07m02s045(Track1).jpg");
}

TEST(SnapshotNames, ANameFromACardStaysInTheSaveFolder) {
  EXPECT_EQ(SnapshotPath("/s", "../../etc/x.avi", kMoment, 0),
            "/s/.._.._etc_x-2014-03-05-09h07m02s045(Track1).jpg");
  // ".." loses its last "." as an extension; what is left is an ordinary name in the folder.
  EXPECT_EQ(SnapshotPath("/s", "..", kMoment, 0), "/s/.-2014-03-05-09h07m02s045(Track1).jpg");
}

TEST(LocalTimeText, ReadsSecondsAndMillisecondsAndRefusesTheRest) {
  const auto with_ms = ParseLocalTime("2014-03-05 09:07:02.045");
  ASSERT_TRUE(with_ms);
  EXPECT_EQ(SnapshotPath("/s", "a", *with_ms, 0), SnapshotPath("/s", "a", kMoment, 0));
  const auto seconds = ParseLocalTime("2026-12-31 23:59:59");
  ASSERT_TRUE(seconds);
  EXPECT_EQ(seconds->year, 2026);
  EXPECT_EQ(seconds->second, 59);
  EXPECT_EQ(seconds->millisecond, 0);
  for (const char* bad : {"", "2014-03-05", "2014-03-05 09:07:02.", "2014-03-05 09:07:02.04",
                          "2014-13-05 09:07:02", "2014-03-05 24:00:00", "2014-03-05T09:07:02",
                          "2014-03-05 09:07:-2", "2014-03-05 09:07:02.0455"}) {
    EXPECT_FALSE(ParseLocalTime(bad)) << bad;
  }
}

TEST(LocalTimeText, TheClockGivesAPlausibleMoment) {
  const LocalTime now = ReadLocalClock();
  EXPECT_GE(now.year, 2000);
  EXPECT_GE(now.millisecond, 0);
  EXPECT_LE(now.millisecond, 999);
}

}  // namespace
}  // namespace vantrel::tools
