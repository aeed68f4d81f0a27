// Driving a built graph and the media graph around it: state rules and their codes, the rate
// clamp, rewinding at the end, the clock, volume, decoder parameters, captures and what every
// call answers without a player.
#include <gtest/gtest.h>

#include <cmath>

#include "graph_fakes.h"
#include "platform/memory_settings_store.h"
#include "playback/media_graph.h"
#include "playback/media_time.h"
#include "playback/volume_level.h"
#include "sim/recording_description.h"
#include "sim/recording_writer.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

using test::FakeComponents;
using test::FixedSink;
using test::H264;

constexpr int64_t kSecond = 10'000'000;
constexpr int64_t kFramePeriod = kSecond / 30;

class GraphControl : public ::testing::Test {
 protected:
  MediaGraph& Opened(FakeComponents& components) {
    graph_ = std::make_unique<MediaGraph>(components, nullptr, time_.Source());
    graph_->AttachWindows(&front_, &rear_);
    EXPECT_TRUE(graph_->OpenRecording("a.avi", 0, -1));
    return *graph_;
  }

  test::ManualTime time_;
  FixedSink front_, rear_;
  std::unique_ptr<MediaGraph> graph_;
};

TEST_F(GraphControl, StateRulesAndTheirCodes) {
  FakeComponents components;
  GraphPlayer idle(components, 2, {&front_, &rear_, nullptr, nullptr});
  EXPECT_EQ(idle.Run(), -1);
  EXPECT_EQ(idle.Pause(), -1);
  EXPECT_EQ(idle.Stop(), -1);
  idle.set_configured(true);
  EXPECT_EQ(idle.Run(), kWrongState);  // nothing built yet
  EXPECT_EQ(idle.state(), PlaybackState::kClosed);

  MediaGraph& graph = Opened(components);
  EXPECT_EQ(graph.state(), PlaybackState::kStopped);
  EXPECT_EQ(graph.Stop(), kWrongState);
  EXPECT_EQ(graph.Pause(), 0);
  EXPECT_EQ(graph.state(), PlaybackState::kStopped);
  EXPECT_EQ(graph.Run(), 0);
  EXPECT_EQ(graph.Run(), kWrongState);
  EXPECT_EQ(graph.Pause(), 0);
  EXPECT_EQ(graph.state(), PlaybackState::kPaused);
  EXPECT_EQ(graph.Run(), 0);
  EXPECT_EQ(graph.Stop(), 0);
  EXPECT_EQ(graph.state(), PlaybackState::kStopped);
}

TEST_F(GraphControl, RateIsClampedAtRunAndStoredBack) {
  FakeComponents components;
  MediaGraph& graph = Opened(components);
  GraphPlayer& player = *graph.player();
  EXPECT_TRUE(graph.SetPlaybackRate(3.0f));
  EXPECT_EQ(player.rate(), 3.0f);  // stopped: kept as given until the next Run
  graph.Run();
  EXPECT_EQ(player.rate(), 2.0f);
  graph.SetPlaybackRate(0.25f);  // running: applied at once
  EXPECT_EQ(player.rate(), 0.5f);
  EXPECT_EQ(player.state(), PlaybackState::kRunning);
  graph.SetPlaybackRate(1.0f);
  EXPECT_EQ(player.rate(), 1.0f);
  graph.SetPlaybackRate(std::nanf(""));
  EXPECT_EQ(player.rate(), 1.0f);

  // The clock runs at the rate and stops at the end.
  graph.Seek(0);
  graph.SetPlaybackRate(2.0f);
  time_.now += kSecond / 2;
  EXPECT_EQ(graph.PositionMs(), 1000);
  graph.Pause();
  time_.now += kSecond;
  EXPECT_EQ(graph.PositionMs(), 1000);
  graph.Run();
  time_.now += 10 * kSecond;
  EXPECT_EQ(graph.Position(), graph.Duration());
}

TEST_F(GraphControl, RunAtTheEndRewindsButNotOneFrameBefore) {
  FakeComponents components;
  MediaGraph& graph = Opened(components);
  ASSERT_EQ(graph.Duration(), 3 * kSecond);
  graph.SetPosition(graph.Duration() - kFramePeriod);
  graph.Run();
  EXPECT_EQ(graph.Position(), graph.Duration() - kFramePeriod);
  graph.Pause();
  graph.SetPosition(graph.Duration());
  graph.Run();
  EXPECT_EQ(graph.Position(), 0);
  // Seeking is in milliseconds too, negative ones included.
  EXPECT_TRUE(graph.Seek(-1));
  EXPECT_EQ(graph.Position(), -10000);
}

TEST_F(GraphControl, VolumeAttenuation) {
  EXPECT_EQ(VolumeAttenuation(0), -10000);
  EXPECT_EQ(VolumeAttenuation(1), -2000);
  EXPECT_EQ(VolumeAttenuation(10), -999);
  EXPECT_EQ(VolumeAttenuation(50), -301);
  EXPECT_EQ(VolumeAttenuation(99), -4);

  FakeComponents components;
  MediaGraph& graph = Opened(components);
  EXPECT_TRUE(graph.SetVolumeLevel(50));
  EXPECT_EQ(graph.player()->engine()->volume(), -301);
  graph.player()->set_muted(true);
  EXPECT_TRUE(graph.SetVolumeLevel(50));
  EXPECT_EQ(graph.player()->engine()->volume(), -10000);
}

TEST_F(GraphControl, DecoderParametersReachOnlyTheirChannel) {
  FakeComponents one({H264("Video 1")});
  MediaGraph& single = Opened(one);
  single.SetRearMirror(true);  // no second decoder: nothing happens
  EXPECT_FALSE(single.player()->engine()->decoder_settings(2).has_value());
  EXPECT_FALSE(single.player()->engine()->decoder_settings(1)->EffectiveMirror());
  ChannelImage image;
  EXPECT_FALSE(single.CaptureChannelImage(1, &image));
  EXPECT_FALSE(single.CaptureChannelImage(4, &image));

  FakeComponents two({H264("Video 1"), H264("Video 2")});
  MediaGraph& graph = Opened(two);
  graph.SetRearMirror(true);
  graph.SetDecoderParameter(1, kParamAdjustEnabled, 1);
  graph.SetDecoderParameter(1, kParamBrightnessOffset, 400);
  const PlaybackEngine& engine = *graph.player()->engine();
  EXPECT_TRUE(engine.decoder_settings(2)->EffectiveMirror());
  EXPECT_FALSE(engine.decoder_settings(1)->EffectiveMirror());
  EXPECT_EQ(engine.decoder_settings(1)->EffectiveBrightness(), 255);
  EXPECT_EQ(engine.decoder_settings(2)->EffectiveBrightness(), 0);
  graph.SetRearMirror(false);
  EXPECT_FALSE(engine.decoder_settings(2)->EffectiveMirror());
}

TEST_F(GraphControl, MediaGraphWithoutAPlayer) {
  platform::MemorySettingsStore registry;
  FakeComponents components;
  MediaGraph graph(components, &registry, time_.Source());
  EXPECT_EQ(registry.Dword(kMachineKeyPath, kUsingDShowValue), 1u);
  EXPECT_EQ(registry.open_key_count(), 0u);

  EXPECT_EQ(graph.state(), PlaybackState::kNone);
  EXPECT_TRUE(graph.Seek(5));
  EXPECT_TRUE(graph.SetVolumeLevel(10));
  EXPECT_FALSE(graph.SetPlaybackRate(1.0f));
  EXPECT_EQ(graph.Run(), -1);
  EXPECT_EQ(graph.Position(), 0);
  EXPECT_EQ(graph.Duration(), 0);
  ChannelImage image;
  image.width = 7;
  EXPECT_TRUE(graph.CaptureChannelImage(0, &image));
  EXPECT_EQ(image.width, 7);
  EXPECT_FALSE(graph.OpenRecording("a.avi", 0, -1));  // no window yet

  // Attaching makes an idle player; a failed open leaves none; closing keeps the windows.
  graph.AttachWindows(&front_, &rear_);
  EXPECT_EQ(graph.channel_count(), 2);
  EXPECT_EQ(graph.state(), PlaybackState::kClosed);
  EXPECT_EQ(graph.client_rect(1).width, 320);
  EXPECT_FALSE(graph.OpenRecording("", 0, -1));
  components.loads = false;
  EXPECT_FALSE(graph.OpenRecording("a.avi", 0, -1));
  EXPECT_EQ(graph.player(), nullptr);
  EXPECT_EQ(graph.state(), PlaybackState::kNone) << "no graph, not a closed one";
  components.loads = true;
  graph.set_splitter_mode(0);
  EXPECT_TRUE(graph.OpenRecording("a.avi", 0, -1));
  EXPECT_EQ(components.last_splitter->parse_mode, 0);
  EXPECT_TRUE(graph.CloseRecording());
  EXPECT_EQ(graph.client_rect(1).width, 0);
  EXPECT_EQ(graph.channel_count(), 2);
}

// A video pin no decoder takes leaves a recording of sound and telemetry: a seek still moves
// the splitter, which the sound and the telemetry read from.
TEST_F(GraphControl, ASeekWithoutConnectedVideoMovesTheSplitter) {
  FakeComponents components(
      {test::Pin("Video 1", MajorType::kVideo, MediaSubtype::kOtherVideo), test::Aac()});
  MediaGraph graph(components, nullptr, time_.Source());
  graph.AttachWindows(&front_, &rear_);
  ASSERT_TRUE(graph.OpenRecording("a.avi", 0, -1));
  ASSERT_FALSE(graph.player()->engine()->RepaintChannel(1)) << "no video chain";
  components.last_splitter->seeks.clear();
  EXPECT_TRUE(graph.Seek(1500));
  EXPECT_EQ(components.last_splitter->seeks, std::vector<int64_t>{1500 * kUnitsPerMillisecond});
  EXPECT_EQ(graph.PositionMs(), 1500);
}

TEST_F(GraphControl, OpensASimulatedTwoChannelRecording) {
  test::TempDir folder;
  sim::RecordingDescription description;
  description.channels = 2;
  description.audio = sim::AudioKind::kAac;
  description.seconds = 1.0;
  const std::string path = folder.File(sim::RecordingFileName(description));
  ASSERT_TRUE(sim::WriteRecording(description, path));

  StandardGraphComponents components(false);
  MediaGraph graph(components, nullptr, time_.Source());
  graph.AttachWindows(&front_, &rear_);
  ASSERT_TRUE(graph.OpenRecording(path, 0, -1));
  EXPECT_EQ(graph.VideoPinCount(), 2);
  EXPECT_EQ(graph.DurationMs(), 1000);
  EXPECT_EQ(graph.player()->RoleNames().back(), "Mixing Renderer9-2");
  EXPECT_TRUE(graph.player()->engine()->decoder_settings(2).has_value());
  EXPECT_FALSE(graph.OpenRecording(folder.File("missing.avi"), 0, -1));
}

}  // namespace
}  // namespace vantrel
