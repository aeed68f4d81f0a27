// The playback controller over simulated recordings: opening a row, the tick, the playlist
// running on to the last row, moving between rows, skipping, the delayed open of a double click,
// and many opens in a row while earlier ones are still loading.
#include <gtest/gtest.h>

#include "controller_fakes.h"

namespace vantrel {
namespace {

using test::ControllerTest;
namespace command = playback_command;

class ControllerPlayback : public ControllerTest {
 protected:
  // Three recordings: two channels, one channel, two channels.
  void ListThree() {
    ListRecordings({{"REC_20140101_120000_2.avi", Recording(2, sim::AudioKind::kPcm, 0)},
                    {"REC_20140101_120100_1.avi", Recording(1, sim::AudioKind::kNone, 1)},
                    {"REC_20140101_120200_2.avi", Recording(2, sim::AudioKind::kAac, 2)}});
  }
};

TEST_F(ControllerPlayback, AnOpenedRowPlaysAndTheTickFollowsIt) {
  ListThree();
  MakeController();
  EXPECT_EQ(controller_->State(), PlaybackState::kNone);
  controller_->StartLoader(0);
  EXPECT_TRUE(controller_->Loading());
  EXPECT_EQ(selection_.marked, 0);
  controller_->Command(command::kPause);  // ignored while loading
  ASSERT_TRUE(WaitLoaded());

  EXPECT_EQ(controller_->State(), PlaybackState::kRunning);
  EXPECT_EQ(controller_->current_recording_label(), "REC_20140101_120000_2.avi");
  EXPECT_TRUE(tick_.running);
  EXPECT_EQ(tick_.interval, std::chrono::milliseconds(200));
  EXPECT_TRUE(view_.pause_shown);
  EXPECT_TRUE(view_.channel_buttons_shown);
  EXPECT_EQ(view_.loading_window_hidden, 1);
  EXPECT_TRUE(view_.enabled[RecordingControl::kSeekSlider]);
  EXPECT_TRUE(view_.enabled[RecordingControl::kRewind]);
  EXPECT_FALSE(view_.enabled[RecordingControl::kSaveCopy]);  // not a LyFS card
  EXPECT_TRUE(view_.screen_saver_inhibited);
  EXPECT_EQ(view_.map_decision, MapDecision::kMap);
  EXPECT_FALSE(telemetry_.gps_records().empty());
  EXPECT_FALSE(telemetry_.gsensor_records().empty());

  AdvanceMs(400);
  tick_.Fire();
  EXPECT_EQ(view_.time_duration, 1000);
  EXPECT_GE(view_.time_position, 400);
  EXPECT_LT(view_.time_position, 1000);
  EXPECT_EQ(view_.seek_range, 1000);
  EXPECT_EQ(view_.seek_position, view_.time_position);
  EXPECT_EQ(view_.map_position, view_.time_position);
  ASSERT_TRUE(view_.gsensor.has_value());
  EXPECT_TRUE(view_.gsensor->found);
  EXPECT_GE(view_.map_view_shown, 1);

  controller_->Command(command::kPlayPauseToggle);
  EXPECT_EQ(controller_->State(), PlaybackState::kPaused);
  EXPECT_FALSE(tick_.running);
  EXPECT_FALSE(view_.pause_shown);
  EXPECT_FALSE(view_.screen_saver_inhibited);
  controller_->Command(command::kPlay);
  EXPECT_EQ(controller_->State(), PlaybackState::kRunning);
  EXPECT_TRUE(tick_.running);
}

TEST_F(ControllerPlayback, ThePlaylistRunsOnAndStopsAfterTheLastRow) {
  ListThree();
  MakeController();
  OpenRow(0);
  for (int row = 1; row < 3; ++row) {
    AdvanceMs(1500);
    tick_.Fire();  // the end: stopped, the next row current and loading
    EXPECT_EQ(selection_.marked, row);
    EXPECT_EQ(selection_.selected, row);
    EXPECT_EQ(selection_.scrolled, row);
    ASSERT_TRUE(WaitLoaded());
    EXPECT_EQ(controller_->State(), PlaybackState::kRunning);
    EXPECT_EQ(controller_->current_recording_label(), NameOfRow(row));
  }
  // The one-channel recording in the middle hid the channel buttons; the last shows them again.
  EXPECT_TRUE(view_.channel_buttons_shown);
  controller_->Command(command::kAllChannels);
  EXPECT_EQ(controller_->channel_mode(), 3);

  AdvanceMs(1500);
  tick_.Fire();
  EXPECT_FALSE(controller_->Loading());
  EXPECT_EQ(controller_->State(), PlaybackState::kStopped);
  EXPECT_EQ(selection_.selected, 0);
  EXPECT_EQ(selection_.marked, 2);  // selected, not opened
  EXPECT_EQ(controller_->channel_mode(), 1);
  EXPECT_FALSE(view_.Shown(VideoSurface::kFront));
  EXPECT_FALSE(view_.Shown(VideoSurface::kRear));
  EXPECT_FALSE(view_.pause_shown);
  EXPECT_FALSE(view_.enabled[RecordingControl::kSeekSlider]);
  EXPECT_TRUE(view_.enabled[RecordingControl::kPlay]);
  EXPECT_TRUE(telemetry_.gsensor_records().empty());
  EXPECT_FALSE(telemetry_.gps_records().empty());  // the route stays until the next open
  EXPECT_EQ(view_.speed, 0);
  EXPECT_FALSE(view_.screen_saver_inhibited);

  tick_.Fire();  // stopped: the read-out shows nothing
  EXPECT_EQ(view_.time_duration, 0);
  EXPECT_EQ(view_.time_position, 0);
}

TEST_F(ControllerPlayback, PrevAndNextStopAtTheEndsOfTheList) {
  ListThree();
  MakeController();
  OpenRow(0);
  controller_->Command(command::kPrev);
  EXPECT_FALSE(controller_->Loading());
  EXPECT_EQ(controller_->State(), PlaybackState::kRunning);

  controller_->Command(command::kNext);
  EXPECT_TRUE(controller_->Loading());
  EXPECT_EQ(selection_.selected, 1);
  ASSERT_TRUE(WaitLoaded());
  EXPECT_EQ(controller_->current_recording_label(), NameOfRow(1));
  // A one-channel recording: no channel buttons, Front only.
  EXPECT_FALSE(view_.channel_buttons_shown);
  EXPECT_EQ(controller_->channel_mode(), 1);
  EXPECT_TRUE(view_.Shown(VideoSurface::kFront));
  EXPECT_FALSE(view_.Shown(VideoSurface::kRear));

  controller_->Command(command::kMenuNext);
  ASSERT_TRUE(WaitLoaded());
  EXPECT_EQ(selection_.marked, 2);
  controller_->Command(command::kNext);
  EXPECT_FALSE(controller_->Loading());
  EXPECT_EQ(controller_->State(), PlaybackState::kRunning);
  EXPECT_EQ(controller_->current_recording_label(), NameOfRow(2));

  controller_->Command(command::kMenuPrev);
  ASSERT_TRUE(WaitLoaded());
  EXPECT_EQ(controller_->current_recording_label(), NameOfRow(1));
}

TEST_F(ControllerPlayback, SkipsStayInsideTheRecording) {
  ListThree();
  MakeController();
  OpenRow(0);
  AdvanceMs(300);
  controller_->Command(command::kRewind);  // inside the first step: back to the start
  EXPECT_EQ(controller_->graph()->PositionMs(), 0);
  EXPECT_EQ(view_.seek_position, 0);
  EXPECT_EQ(controller_->State(), PlaybackState::kRunning);

  options_.skip_step = 5;  // longer than the recording: to its end, and on to the next row
  controller_->Command(command::kFastForward);
  EXPECT_EQ(selection_.marked, 1);
  ASSERT_TRUE(WaitLoaded());
  EXPECT_EQ(controller_->current_recording_label(), NameOfRow(1));

  // A skip step from the option file that would overflow milliseconds still lands inside.
  options_.skip_step = 2'000'000'000;
  controller_->Command(command::kRewind);
  EXPECT_EQ(controller_->graph()->PositionMs(), 0);
  options_.skip_step = -5;
  controller_->Command(command::kFastForward);
  EXPECT_EQ(controller_->State(), PlaybackState::kRunning);
  EXPECT_GE(controller_->graph()->PositionMs(), 0);

  controller_->Command(command::kPause);
  controller_->Command(command::kRewind);  // only while running
  controller_->Command(command::kFastForward);
  EXPECT_EQ(selection_.marked, 1);
}

TEST_F(ControllerPlayback, ADoubleClickStopsAndOpensTheRowAfterTheDelay) {
  ListThree();
  MakeController();
  OpenRow(0);
  controller_->DelayedOpen(2);
  EXPECT_TRUE(delay_.running);
  EXPECT_EQ(delay_.interval, std::chrono::milliseconds(1000));
  EXPECT_EQ(controller_->State(), PlaybackState::kRunning);  // nothing before the delay
  delay_.Fire();
  EXPECT_FALSE(delay_.running);
  EXPECT_TRUE(controller_->Loading());
  EXPECT_EQ(controller_->State(), PlaybackState::kStopped);
  ASSERT_TRUE(WaitLoaded());
  EXPECT_EQ(controller_->current_recording_label(), NameOfRow(2));

  // A row without a recording behind it: the timer stops and nothing else happens.
  controller_->DelayedOpen(7);
  delay_.Fire();
  EXPECT_FALSE(delay_.running);
  EXPECT_FALSE(controller_->Loading());
  EXPECT_EQ(controller_->State(), PlaybackState::kRunning);
}

TEST_F(ControllerPlayback, ARowThatCannotBeOpenedLeavesNothingPlaying) {
  ListThree();
  MakeController();
  // The recording disappeared after the scan.
  std::filesystem::remove(catalogue_.EntryAtRow(1)->path);
  OpenRow(1);
  EXPECT_EQ(controller_->State(), PlaybackState::kNone) << "no graph";
  ASSERT_EQ(messages_.texts.size(), 1u);
  EXPECT_EQ(messages_.texts[0], "동영상을 재생 할 수 없습니다.(2)");
  EXPECT_FALSE(view_.Shown(VideoSurface::kFront));
  EXPECT_EQ(controller_->current_recording_label(), "");
  EXPECT_FALSE(tick_.running);
  controller_->Command(command::kPlay);  // Closed: nothing to resume
  EXPECT_FALSE(controller_->Loading());

  // With no graph the channel buttons switch the mode, as they do while playing.
  controller_->Command(command::kRear);
  EXPECT_EQ(view_.pressed_mode, 2);
  controller_->Command(command::kAllChannels);
  EXPECT_EQ(view_.pressed_mode, 3);

  // A row past the end of the list has no path: nothing is built and nothing is said.
  OpenRow(9);
  EXPECT_EQ(messages_.texts.size(), 1u);
}

TEST_F(ControllerPlayback, ManyOpensInARowEndWithTheLastPlaying) {
  ListThree();
  // A settle pause long enough that most loaders are still waiting when the next open comes,
  // and hardly any grace, so that they are given up.
  ControllerTimings timings;
  timings.settle = std::chrono::milliseconds(20);
  timings.loader_grace = std::chrono::milliseconds(1);
  MakeController(timings);
  size_t most_given_up = 0;
  for (int k = 0; k < 100; ++k) {
    controller_->StartLoader(k % 3);
    most_given_up = std::max(most_given_up, controller_->loaders_given_up());
    if (k % 10 == 0) ui_.RunPending();  // an older result arriving late is dropped
    if (k % 25 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(30));
  }
  EXPECT_GT(most_given_up, 0u);
  ASSERT_TRUE(WaitLoaded());
  EXPECT_EQ(controller_->State(), PlaybackState::kRunning);
  EXPECT_EQ(selection_.marked, 99 % 3);
  EXPECT_EQ(controller_->current_recording_label(), NameOfRow(99 % 3));
  EXPECT_EQ(PlayingFile(), catalogue_.EntryAtRow(99 % 3)->path);
  AdvanceMs(200);
  tick_.Fire();
  EXPECT_GT(view_.time_position, 0);
  // Destruction waits for the loaders still ending (the sanitizer build checks for leaks).
}

}  // namespace
}  // namespace vantrel
