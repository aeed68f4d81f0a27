// Names and checks of a recording's description: the file name the viewer parses by position, and
// descriptions that cannot be recorded are refused before anything is written.
#include <gtest/gtest.h>

#include <filesystem>

#include "sim/recording_writer.h"
#include "temp_dir.h"

namespace vantrel::sim {
namespace {

TEST(SimRecordingFileName, CarriesKindStartAndChannelMarkByPosition) {
  RecordingDescription d;
  EXPECT_EQ(RecordingFileName(d), "REC_20140101_120000_1.avi");
  d.kind = "MDI";
  d.start = ClockTime{2009, 8, 7, 6, 5, 4};
  d.channels = 2;
  const std::string name = RecordingFileName(d);
  EXPECT_EQ(name, "MDI_20090807_060504_2.avi");
  EXPECT_EQ(name[20], '2');  // where the viewer looks for the rear camera
}

TEST(SimCheckDescription, RefusesWhatCannotBeRecorded) {
  EXPECT_EQ(CheckDescription(RecordingDescription{}), "");
  const std::vector<void (*)(RecordingDescription&)> broken = {
      [](RecordingDescription& d) { d.kind = "RE"; },   // the channel mark would move
      [](RecordingDescription& d) { d.kind = "R/C"; },  // not a file-name character
      [](RecordingDescription& d) { d.start.month = 13; },
      [](RecordingDescription& d) { d.start = ClockTime{2015, 2, 29, 0, 0, 0}; },
      [](RecordingDescription& d) { d.start.year = 2070; },  // two-digit GPS year would wrap
      [](RecordingDescription& d) { d.channels = 3; },
      [](RecordingDescription& d) { d.seconds = 0; },
      [](RecordingDescription& d) { d.fps = 0; },
      [](RecordingDescription& d) { d.front.width = 321; },  // 4:2:0 needs even sides
      [](RecordingDescription& d) { d.front.height = 8; },
      [](RecordingDescription& d) { d.channels = 2, d.rear.width = 5000; },
      [](RecordingDescription& d) { d.keyint = 0; },
      [](RecordingDescription& d) { d.gps_rate_hz = 0; },
      [](RecordingDescription& d) { d.gsensor_rate_hz = -1; },
      [](RecordingDescription& d) { d.shock_seconds = 3.5; },                     // after the end
      [](RecordingDescription& d) { d.seconds = 3600, d.bitrate_kbps = 10000; },  // over 4 GiB
  };
  for (size_t i = 0; i < broken.size(); ++i) {
    RecordingDescription d;
    broken[i](d);
    EXPECT_NE(CheckDescription(d), "") << "case " << i;
  }
  RecordingDescription leap;
  leap.start = ClockTime{2016, 2, 29, 23, 59, 59};
  EXPECT_EQ(CheckDescription(leap), "");
  RecordingDescription rear_ignored;
  rear_ignored.rear.width = 5;  // one channel: the rear size does not matter
  EXPECT_EQ(CheckDescription(rear_ignored), "");
}

TEST(SimWriteRecording, FailsWithoutLeavingAFile) {
  vantrel::test::TempDir folder;
  RecordingDescription d;
  d.fps = 0;
  std::string error;
  EXPECT_FALSE(WriteRecording(d, folder.File("bad.avi"), &error));
  EXPECT_NE(error, "");
  EXPECT_FALSE(std::filesystem::exists(folder.File("bad.avi")));

  d.fps = 30;
  error.clear();
  EXPECT_FALSE(WriteRecording(d, folder.File("missing/folder/x.avi"), &error));
  EXPECT_NE(error, "");
  EXPECT_FALSE(WriteRecording(d, folder.File("")));  // a folder is not a file
}

TEST(SimFrameCount, RoundsTheLengthToWholeFrames) {
  RecordingDescription d;
  d.seconds = 1.02;
  d.fps = 25;
  EXPECT_EQ(FrameCount(d), 26);
  d.seconds = 0.001;
  EXPECT_EQ(FrameCount(d), 1);
}

}  // namespace
}  // namespace vantrel::sim
