// Rate, brightness, volume and mute, and where the video surfaces go for each channel mode.
#include <gtest/gtest.h>

#include "controller_fakes.h"
#include "playback/slider_values.h"
#include "playback/video_placement.h"
#include "playback/volume_level.h"

namespace vantrel {
namespace {

using test::ControllerTest;
namespace command = playback_command;

class ControllerSettings : public ControllerTest {
 protected:
  void OpenTwoChannels() {
    ListRecordings({{"REC_20140101_120000_2.avi", Recording(2, sim::AudioKind::kPcm, 0)}});
    MakeController();
    OpenRow(0);
    ASSERT_EQ(controller_->State(), PlaybackState::kRunning);
  }
  float EngineRate() const { return controller_->graph()->player()->rate(); }
};

TEST(SliderValues, RateAndBrightnessAcrossTheSlider) {
  EXPECT_FLOAT_EQ(RateFromSlider(0), 0.1f);
  EXPECT_FLOAT_EQ(RateFromSlider(50), 1.0f);
  EXPECT_FLOAT_EQ(RateFromSlider(51), 1.06f);
  EXPECT_FLOAT_EQ(RateFromSlider(100), 4.0f);
  EXPECT_FLOAT_EQ(RateFromSlider(40), 0.82f);
  EXPECT_EQ(BrightnessFromSlider(0), -255);
  EXPECT_EQ(BrightnessFromSlider(50), 0);
  EXPECT_EQ(BrightnessFromSlider(100), 255);
  EXPECT_EQ(BrightnessFromSlider(49), -5);  // -5.1 truncated toward zero
  EXPECT_EQ(BrightnessFromSlider(51), 5);
  // Out of range: the nearest end.
  EXPECT_FLOAT_EQ(RateFromSlider(-3), 0.1f);
  EXPECT_FLOAT_EQ(RateFromSlider(250), 4.0f);
  EXPECT_EQ(BrightnessFromSlider(-10), -255);
  EXPECT_EQ(BrightnessFromSlider(1000), 255);
}

TEST_F(ControllerSettings, TheReadOutShowsTheSliderRateAndTheEnginePlaysWhatItCan) {
  OpenTwoChannels();
  controller_->SliderMoved(kSpeedSliderId, 100);
  EXPECT_FLOAT_EQ(view_.rate, 4.0f);
  EXPECT_FLOAT_EQ(EngineRate(), 2.0f);
  controller_->SliderMoved(kSpeedSliderId, 0);
  EXPECT_FLOAT_EQ(view_.rate, 0.1f);
  EXPECT_FLOAT_EQ(EngineRate(), 0.5f);

  controller_->Command(command::kFaster);
  EXPECT_EQ(view_.sliders[kSpeedSliderId], 10);
  EXPECT_FLOAT_EQ(view_.rate, RateFromSlider(10));
  controller_->Command(command::kSlower);
  controller_->Command(command::kSlower);
  EXPECT_EQ(controller_->speed_slider(), 0);      // not below 0
  controller_->SliderMoved(kSpeedSliderId, 250);  // out of range: the end of the slider
  EXPECT_EQ(controller_->speed_slider(), 100);
  controller_->Command(command::kSpeedDefault);
  EXPECT_EQ(view_.sliders[kSpeedSliderId], 50);
  EXPECT_FLOAT_EQ(view_.rate, 1.0f);
  EXPECT_FLOAT_EQ(EngineRate(), 1.0f);

  // The rate of the slider is what the next recording starts with.
  controller_->SliderMoved(kSpeedSliderId, 20);
  controller_->StartLoader(0);
  ASSERT_TRUE(WaitLoaded());
  EXPECT_FLOAT_EQ(EngineRate(), 0.5f);
}

TEST_F(ControllerSettings, BrightnessReachesBothChannels) {
  OpenTwoChannels();
  const PlaybackEngine& engine = *controller_->graph()->player()->engine();
  auto brightness = [&](int channel) { return engine.decoder_settings(channel)->brightness; };
  ASSERT_TRUE(engine.decoder_settings(2).has_value());
  EXPECT_TRUE(engine.decoder_settings(1)->adjust_enabled);  // switched on by the open

  controller_->Command(command::kBrighten);
  EXPECT_EQ(controller_->brightness_slider(), 60);
  EXPECT_EQ(brightness(1), 51);
  EXPECT_EQ(brightness(2), 51);
  controller_->SliderMoved(kBrightnessSliderId, 0);
  EXPECT_EQ(brightness(1), -255);
  EXPECT_EQ(brightness(2), -255);
  controller_->Command(command::kBrightDefault);
  EXPECT_EQ(view_.sliders[kBrightnessSliderId], 50);
  EXPECT_EQ(brightness(1), 0);

  // Paused, the slider still changes the picture; stopped, only the slider moves.
  controller_->Command(command::kPause);
  controller_->SliderMoved(kBrightnessSliderId, 100);
  EXPECT_EQ(brightness(2), 255);
  controller_->StopPlayback(false);
  controller_->Command(command::kDarken);
  EXPECT_EQ(controller_->brightness_slider(), 90);
  EXPECT_EQ(brightness(2), 255);
}

TEST_F(ControllerSettings, MuteRemembersTheVolumeAndTheSliderKeepsItsLimits) {
  OpenTwoChannels();
  controller_->SliderMoved(kVolumeSliderId, 70);
  controller_->Command(command::kMute);
  EXPECT_TRUE(controller_->muted());
  EXPECT_TRUE(view_.muted);
  EXPECT_EQ(view_.sliders[kVolumeSliderId], 0);
  controller_->Command(command::kMenuMute);
  EXPECT_FALSE(controller_->muted());
  EXPECT_FALSE(view_.muted);
  EXPECT_EQ(view_.sliders[kVolumeSliderId], 70);
  EXPECT_EQ(controller_->volume_level(), 70);

  // Volume up while muted un-mutes first, then steps.
  controller_->Command(command::kMute);
  controller_->Command(command::kVolumeUp);
  EXPECT_FALSE(controller_->muted());
  EXPECT_EQ(controller_->volume_level(), 71);

  controller_->SliderMoved(kVolumeSliderId, 99);
  controller_->Command(command::kVolumeUp);
  EXPECT_EQ(controller_->volume_level(), 99);
  EXPECT_EQ(controller_->volume_slider(), 99);
  controller_->SliderMoved(kVolumeSliderId, 0);
  controller_->Command(command::kVolumeDown);
  EXPECT_EQ(controller_->volume_slider(), 0);

  // The map page's volume step un-mutes and leaves the slider alone.
  controller_->SliderMoved(kVolumeSliderId, 30);
  controller_->Command(command::kMute);
  controller_->SetVolumeMessage(5);
  EXPECT_FALSE(controller_->muted());
  EXPECT_EQ(view_.sliders[kVolumeSliderId], 0);
}

TEST_F(ControllerSettings, TheRearMirrorAppliesAtOpenAndWhenTheOptionChanges) {
  options_.rear_mirror = true;
  OpenTwoChannels();
  const PlaybackEngine& engine = *controller_->graph()->player()->engine();
  EXPECT_TRUE(engine.decoder_settings(2)->EffectiveMirror());
  EXPECT_FALSE(engine.decoder_settings(1)->EffectiveMirror());
  options_.rear_mirror = false;
  controller_->RearMirrorChanged();
  EXPECT_FALSE(engine.decoder_settings(2)->EffectiveMirror());
  // Stopped, a change of the option waits for the next open.
  controller_->StopPlayback(false);
  options_.rear_mirror = true;
  controller_->RearMirrorChanged();
  EXPECT_FALSE(engine.decoder_settings(2)->EffectiveMirror());
}

TEST_F(ControllerSettings, WindowMessagesSeekOnlyAnOpenGraphAndSetTheEngineVolume) {
  OpenTwoChannels();
  const PlaybackEngine& engine = *controller_->graph()->player()->engine();
  controller_->SeekMessage(600);
  EXPECT_EQ(controller_->graph()->PositionMs(), 600);
  controller_->SetVolumeMessage(5);  // 5 x 10 - 1
  EXPECT_EQ(engine.volume(), VolumeAttenuation(49));
  controller_->SetVolumeMessage(20);  // clamped to 99
  EXPECT_EQ(engine.volume(), VolumeAttenuation(99));

  controller_->Command(command::kPause);
  controller_->StopPlayback(false);
  ASSERT_EQ(controller_->State(), PlaybackState::kStopped);
  controller_->SeekMessage(200);
  EXPECT_EQ(controller_->graph()->PositionMs(), 600) << "no seek while stopped";
}

// The channel digit is the name's 21st character, also when wider characters come before it.
TEST_F(ControllerSettings, TheChannelDigitIsCountedInCharacters) {
  ListRecordings({{"REC_20140101_120000_2.avi", Recording(2, sim::AudioKind::kPcm, 0)}});
  RowTexts row;
  for (int column = 0; column < kListColumnCount; ++column) {
    row[column] = list_.ColumnText(0, column);
  }
  row[kNameColumn] = "\xEA\xB0\x80EC_20140101_120000_2.avi";  // a Hangul syllable for "R"
  list_.DeleteAllRows();
  list_.InsertRow(0, row);
  MakeController();
  OpenRow(0);
  EXPECT_TRUE(view_.channel_buttons_shown);
}

TEST(VideoPlacement, SixteenByNineFitsTheAreaAndCentresIt) {
  // Wider than 16:9: full height, centred across.
  EXPECT_EQ(FitSixteenByNine({0, 0, 1000, 300}), (SurfacePlace{233, 0, 533, 300}));
  // Taller: full width, centred down.
  EXPECT_EQ(FitSixteenByNine({25, 61, 702, 453}), (SurfacePlace{25, 67, 677, 380}));
  // Exactly 16:9 is not taller: the width follows the height.
  EXPECT_EQ(FitSixteenByNine({0, 0, 160, 90}), (SurfacePlace{0, 0, 160, 90}));
  EXPECT_EQ(FitSixteenByNine({10, 10, 10, 10}), (SurfacePlace{10, 10, 0, 0}));
}

TEST_F(ControllerSettings, SurfacesFollowTheChannelModeInBothLayouts) {
  OpenTwoChannels();
  struct Layout {
    AreaEdges area;
    SurfacePlace whole;
    SurfacePlace left;
    SurfacePlace right;
  };
  // The full layout's video area of a 1026 x 770 window, and the compact one's.
  const Layout layouts[] = {
      {{25, 61, 702, 453}, {25, 67, 677, 380}, {25, 162, 338, 190}, {363, 162, 338, 190}},
      {{0, 0, 1026, 625}, {0, 24, 1026, 577}, {0, 168, 513, 288}, {513, 168, 513, 288}},
  };
  for (const Layout& layout : layouts) {
    view_.area = layout.area;
    controller_->Command(command::kFront);
    EXPECT_EQ(view_.pressed_mode, 1);
    EXPECT_TRUE(view_.Shown(VideoSurface::kFront));
    EXPECT_FALSE(view_.Shown(VideoSurface::kRear));
    EXPECT_EQ(view_.surface_place[VideoSurface::kFront], layout.whole);
    controller_->Command(command::kRear);
    EXPECT_FALSE(view_.Shown(VideoSurface::kFront));
    EXPECT_TRUE(view_.Shown(VideoSurface::kRear));
    EXPECT_EQ(view_.surface_place[VideoSurface::kRear], layout.whole);
    controller_->Command(command::kAllChannels);
    EXPECT_EQ(view_.pressed_mode, 3);
    EXPECT_TRUE(view_.Shown(VideoSurface::kFront));
    EXPECT_TRUE(view_.Shown(VideoSurface::kRear));
    EXPECT_EQ(view_.surface_place[VideoSurface::kFront], layout.left);
    EXPECT_EQ(view_.surface_place[VideoSurface::kRear], layout.right);
  }
  // A resize re-fits the surfaces of the mode in use.
  view_.area = layouts[0].area;
  controller_->LayoutChanged();
  EXPECT_EQ(view_.surface_place[VideoSurface::kFront], layouts[0].left);

  // Stopped: only the button of the mode in use is pressed again.
  controller_->StopPlayback(false);
  const int presses = view_.presses;
  controller_->Command(command::kFront);
  EXPECT_EQ(controller_->channel_mode(), 3);
  EXPECT_EQ(view_.presses, presses);
  controller_->Command(command::kAllChannels);
  EXPECT_EQ(view_.presses, presses + 1);
}

}  // namespace
}  // namespace vantrel
