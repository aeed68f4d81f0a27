// The engine with sound: the sound device's clock drives the pictures, seeks empty the device
// and restart its clock at the exact place, pause holds it, rate and volume reach the device as
// gain (muted away from normal speed), and over whole recordings at normal and double speed
// the pictures stay with the sound and the channels with each other. Also the repaint calls.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>

#include "playback/card_source.h"
#include "playback/graph_components.h"
#include "playback/media_graph.h"
#include "playback/media_time.h"
#include "playback/null_audio_output.h"
#include "playback/null_video_sink.h"
#include "playback/volume_level.h"
#include "run_program.h"
#include "sim/recording_description.h"
#include "sim/recording_writer.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

constexpr int kFps = 30;
constexpr int64_t kFramePeriod = kUnitsPerSecond / kFps;
constexpr int64_t kMs = kUnitsPerMillisecond;

bool WaitUntil(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(90);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

class SoundClock : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new test::TempDir();
    for (auto [kind, seconds] :
         {std::pair{sim::AudioKind::kPcm, 10.0}, std::pair{sim::AudioKind::kAac, 10.0}}) {
      sim::RecordingDescription description;
      description.channels = 2;
      description.seconds = seconds;
      description.fps = kFps;
      description.audio = kind;
      description.keyint = 15;
      std::string error;
      ASSERT_TRUE(sim::WriteRecording(description, PathOf(kind), &error)) << error;
    }
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }
  static std::string PathOf(sim::AudioKind kind) {
    return folder_->File(kind == sim::AudioKind::kPcm ? "pcm.avi" : "aac.avi");
  }

  // A graph whose sound goes to a silent device paced by time.
  void Open(sim::AudioKind kind, TimeSource time) {
    components_ = std::make_unique<StandardGraphComponents>(AudioOutputFactory([this, time] {
      auto device = std::make_unique<NullAudioOutput>(time);
      device_ = device.get();
      return device;
    }));
    graph_ = std::make_unique<MediaGraph>(*components_, nullptr, time);
    graph_->AttachWindows(&front_, &rear_);
    ASSERT_TRUE(graph_->OpenRecording(PathOf(kind), kFileSourceDevice, kFileSourceValue));
    ASSERT_NE(device_, nullptr);
    ASSERT_TRUE(graph_->player()->engine()->has_sound());
  }
  // The sound thread has filled the device's queue (a fifth of a second at 22050 Hz).
  bool DeviceFull() {
    return WaitUntil([&] { return device_->queued() >= 22050 / 5 - 1; });
  }
  int64_t Position() { return graph_->Position(); }

  static test::TempDir* folder_;
  // A time source moved by hand; it outlives the graph whose threads read it.
  std::atomic<int64_t> now_{0};
  TimeSource manual_time_ = [this] { return now_.load(); };
  NullVideoSink front_{{160, 90}};
  NullVideoSink rear_{{160, 90}};
  std::unique_ptr<StandardGraphComponents> components_;
  std::unique_ptr<MediaGraph> graph_;
  NullAudioOutput* device_ = nullptr;
};
test::TempDir* SoundClock::folder_ = nullptr;

TEST_F(SoundClock, SeeksRestartItExactlyAndPauseHoldsIt) {
  Open(sim::AudioKind::kAac, manual_time_);

  ASSERT_TRUE(graph_->Seek(1000));
  EXPECT_EQ(Position(), 1000 * kMs);
  ASSERT_EQ(graph_->Run(), 0);
  EXPECT_TRUE(device_->running());
  ASSERT_TRUE(DeviceFull());
  EXPECT_EQ(Position(), 1000 * kMs);  // no time has passed for the device
  now_ += 150 * kMs;
  EXPECT_NEAR(Position(), 1150 * kMs, kMs);
  // The pictures follow the sound's clock, not the time source.
  ASSERT_TRUE(WaitUntil([&] { return front_.last_time() >= 1133 * kMs; }));
  EXPECT_LE(front_.last_time(), 1150 * kMs);

  ASSERT_EQ(graph_->Pause(), 0);
  EXPECT_FALSE(device_->running());
  const int64_t paused = Position();
  now_ += 2000 * kMs;
  EXPECT_EQ(Position(), paused);

  // A seek while paused empties the device and stands exactly at the new place.
  ASSERT_TRUE(graph_->Seek(300));
  EXPECT_EQ(Position(), 300 * kMs);
  ASSERT_TRUE(DeviceFull());
  now_ += 1000 * kMs;
  EXPECT_EQ(Position(), 300 * kMs);
  ASSERT_EQ(graph_->Run(), 0);
  now_ += 100 * kMs;
  EXPECT_NEAR(Position(), 400 * kMs, kMs);

  // A seek while running: what was queued for the old place is dropped.
  ASSERT_TRUE(graph_->Seek(2500));
  EXPECT_EQ(Position(), 2500 * kMs);
  ASSERT_TRUE(DeviceFull());
  now_ += 50 * kMs;
  EXPECT_NEAR(Position(), 2550 * kMs, kMs);

  // At double speed each moment of the device carries twice the recording's time.
  graph_->Pause();
  graph_->SetPlaybackRate(2.0f);
  ASSERT_TRUE(graph_->Seek(3000));
  graph_->Run();
  ASSERT_TRUE(WaitUntil([&] { return device_->queued() >= 22050 / 5 / 2 - 1; }));
  now_ += 100 * kMs;
  EXPECT_NEAR(Position(), 3200 * kMs, kMs);

  // Run from the end starts again at the beginning.
  graph_->Pause();
  ASSERT_TRUE(graph_->SetPosition(graph_->Duration()));
  ASSERT_EQ(graph_->Run(), 0);
  EXPECT_LT(Position(), 100 * kMs);
}

TEST_F(SoundClock, VolumeBecomesGainAndOtherSpeedsAreMuted) {
  Open(sim::AudioKind::kPcm, manual_time_);
  EXPECT_EQ(device_->gain(), 1.0f);
  ASSERT_TRUE(graph_->SetVolumeLevel(50));
  EXPECT_NEAR(device_->gain(), 0.7066f, 0.001f);
  ASSERT_TRUE(graph_->SetVolumeLevel(0));
  EXPECT_EQ(device_->gain(), 0.0f);
  ASSERT_TRUE(graph_->SetVolumeLevel(10));
  EXPECT_NEAR(device_->gain(), GainFromAttenuation(-999), 1e-6f);
  graph_->player()->set_muted(true);
  ASSERT_TRUE(graph_->SetVolumeLevel(99));
  EXPECT_EQ(device_->gain(), 0.0f);
  graph_->player()->set_muted(false);
  ASSERT_TRUE(graph_->SetVolumeLevel(99));
  const float level = device_->gain();
  EXPECT_NEAR(level, 0.9954f, 0.001f);

  graph_->Run();
  graph_->SetPlaybackRate(1.5f);
  EXPECT_EQ(device_->gain(), 0.0f);
  graph_->SetPlaybackRate(1.0f);
  EXPECT_EQ(device_->gain(), level);
  graph_->SetPlaybackRate(0.25f);  // clamped to half speed, still muted
  EXPECT_EQ(device_->gain(), 0.0f);
  EXPECT_EQ(graph_->player()->rate(), 0.5f);
}

// Recordings played to their end on the hand-moved clock, which moves a picture at a time (half a
// picture's time at double speed) and waits for the picture due before it moves on: the
// engine's own figures of how closely pictures followed the sound and each other then hold
// however loaded the machine is. The command line reports the same figure (its size under real
// time is a figure for bench/play_bench.sh).
TEST_F(SoundClock, PicturesStayWithTheSoundAtNormalAndDoubleSpeed) {
  for (auto [kind, rate] :
       {std::pair{sim::AudioKind::kPcm, 1.0f}, std::pair{sim::AudioKind::kAac, 2.0f}}) {
    SCOPED_TRACE(rate);
    Open(kind, manual_time_);
    graph_->SetPlaybackRate(rate);
    // The last five seconds, to the end: a hundred and fifty pictures, a step each.
    graph_->Seek(5000);
    ASSERT_EQ(graph_->Run(), 0);
    const int64_t last = graph_->Duration() - kFramePeriod;
    while (Position() < graph_->Duration()) {
      // To the next picture's time (a sound frame further, for the device's rounding).
      const int64_t next = (Position() * kFps / kUnitsPerSecond + 1) * kUnitsPerSecond / kFps;
      now_ += static_cast<int64_t>(static_cast<double>(next - Position()) / rate) + 500;
      const int64_t frame = Position() * kFps / kUnitsPerSecond;
      const int64_t due = std::min(frame * kUnitsPerSecond / kFps, last) - 1;
      ASSERT_TRUE(WaitUntil([&] { return front_.last_time() >= due && rear_.last_time() >= due; }))
          << "nothing shown for " << due;
    }
    graph_->Pause();
    const SyncFigures sync = graph_->player()->engine()->sync_figures();
    EXPECT_TRUE(sync.sound_clock);
    EXPECT_LE(sync.picture_to_sound, 40 * kMs);
    // Within one picture; picture times are rounded to 100 ns, so one period may be a unit more.
    EXPECT_LE(sync.between_channels, kFramePeriod + 1);
    EXPECT_NEAR(front_.last_time(), last, 1);
    graph_.reset();
  }

  const auto play =
      test::RunProgram(test::ToolPath("vantrel-cli"),
                       {"play", PathOf(sim::AudioKind::kPcm), "--for", "600", "--sound"});
  ASSERT_EQ(play.exit_code, 0);
  int presented = -1, dropped = -1, position = -1, sync_ms = -1;
  ASSERT_EQ(std::sscanf(play.output.c_str(),
                        "presented\t%d\ndropped\t%d\nposition_ms\t%d\nav_sync_max_ms\t%d\n",
                        &presented, &dropped, &position, &sync_ms),
            4)
      << play.output;
  EXPECT_GE(position, 0);
  EXPECT_LE(position, 10000);
  EXPECT_GE(sync_ms, 0);
}

// A window that changes size and counts what it is shown at which size.
class ResizableSink : public VideoSink {
 public:
  SinkRect ClientRect() const override { return {width.load(), 90}; }
  void Present(const SinkPicture& picture) override {
    last_width = picture.width;
    ++presented;
  }
  std::atomic<int> width{160};
  std::atomic<int> last_width{0};
  std::atomic<int> presented{0};
};

TEST(VideoWindows, RefreshRefitsEveryChannelAndRepaintOnlyTheFront) {
  test::TempDir folder;
  sim::RecordingDescription description;
  description.channels = 2;
  description.audio = sim::AudioKind::kNone;
  description.seconds = 1;
  std::string error;
  ASSERT_TRUE(sim::WriteRecording(description, folder.File("two.avi"), &error)) << error;

  StandardGraphComponents components(false);
  MediaGraph graph(components, nullptr);
  EXPECT_EQ(graph.RefreshVideoWindows(), 0);  // nothing attached, nothing to do
  EXPECT_EQ(graph.RepaintFrontVideo(), 0);
  ResizableSink front, rear;
  graph.AttachWindows(&front, &rear);
  ASSERT_TRUE(graph.OpenRecording(folder.File("two.avi"), kFileSourceDevice, kFileSourceValue));
  graph.Seek(500);
  ASSERT_EQ(front.presented, 1);
  ASSERT_EQ(rear.presented, 1);

  front.width = 200;
  rear.width = 120;
  EXPECT_EQ(graph.RefreshVideoWindows(), 0);
  EXPECT_EQ(front.presented, 2);
  EXPECT_EQ(front.last_width, 200);
  EXPECT_EQ(rear.presented, 2);
  EXPECT_EQ(rear.last_width, 120);
  EXPECT_EQ(graph.client_rect(1).width, 200);

  EXPECT_EQ(graph.RepaintFrontVideo(), 0);
  EXPECT_EQ(front.presented, 3);
  EXPECT_EQ(rear.presented, 2);
}

}  // namespace
}  // namespace vantrel
