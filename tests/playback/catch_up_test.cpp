// A channel worker that cannot keep pace: its decoding is made slow by a hook that moves the
// hand-moved clock three pictures' time for every picture decoded (twice the normal speed on a
// machine that decodes at two thirds of it). The worker then skips to key frames: each picture
// starts decoding less than one key interval behind the clock, so what it hands out is never
// further behind than that and two pictures' decoding (the one shown, the one on its way), and
// each is the exact picture its time says. Without catching up the same decoder drifts ever
// further. A worker that keeps pace skips nothing and hands out every picture in turn.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "bgra_frame_mark.h"
#include "playback/channel_stream.h"
#include "playback/channel_worker.h"
#include "playback/media_time.h"
#include "playback/null_video_sink.h"
#include "playback/splitter_filter.h"
#include "sim/frame_mark.h"
#include "sim/recording_description.h"
#include "sim/recording_writer.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

constexpr int kFps = 30;
constexpr int kSeconds = 4;
constexpr int kKeyInterval = 10;  // pictures
constexpr int kWidth = 160;
constexpr int kHeight = 90;
constexpr int64_t kPeriod = kUnitsPerSecond / kFps;
constexpr int64_t kLastTime = (kSeconds * kFps - 1) * kUnitsPerSecond / kFps;
constexpr int64_t kLastKeyTime =
    (kSeconds * kFps - 1) / kKeyInterval * kKeyInterval * kUnitsPerSecond / kFps;
// What decoding one picture costs on the slow decoder, in clock time.
constexpr int64_t kSlowDecode = 3 * kPeriod;

// The frame number drawn into a converted picture; -1 when it has none.
int FrameOf(const QueuedPicture& picture) {
  if (picture.width == 0) return -1;
  const auto mark =
      BgraFrameMark(picture.pixels.data(), picture.width, picture.height, picture.width * 4);
  return mark ? mark->frame : -1;
}

// Takes due pictures until pred holds for one, or a generous bound passes (never hangs).
bool TakeUntil(ChannelWorker& worker, const std::function<int64_t()>& clock,
               const std::function<bool(const QueuedPicture&, int64_t clock)>& seen) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  uint64_t dropped = 0;
  while (std::chrono::steady_clock::now() < deadline) {
    const int64_t now = clock();
    if (auto picture = worker.TakeDue(now, &dropped)) {
      if (seen(*picture, now)) return true;
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }
  return false;
}

class CatchUp : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new test::TempDir();
    sim::RecordingDescription description;
    description.channels = 1;
    description.seconds = kSeconds;
    description.fps = kFps;
    description.front = {kWidth, kHeight};
    description.keyint = kKeyInterval;
    description.audio = sim::AudioKind::kNone;
    std::string error;
    ASSERT_TRUE(sim::WriteRecording(description, folder_->File("one.avi"), &error)) << error;
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }

  void SetUp() override {
    splitter_ = MakeRecordingSplitter();
    ASSERT_TRUE(splitter_->Load(folder_->File("one.avi")));
    stream_ = std::make_unique<ChannelStream>(*splitter_, 0);
    ASSERT_TRUE(stream_->Open(splitter_->Pins()[0].type));
  }

  // A worker from the start of the recording; catch_up false gives it no clock to catch up with.
  std::unique_ptr<ChannelWorker> StartWorker(bool catch_up, ChannelWorker::DecodeHook decoded) {
    ChannelWorker::ClockSource clock = [this, catch_up]() -> std::optional<int64_t> {
      if (!catch_up) return std::nullopt;
      return now_.load();
    };
    return std::make_unique<ChannelWorker>(
        *stream_, &sink_, [] { return DecoderSettings{}; }, clock, std::move(decoded));
  }

  // Plays the whole recording on the slow decoder; the largest distance from the clock of a
  // picture handed out before the last key frame. Every picture handed out must be the one its
  // time says, and come after the one before.
  int64_t PlaySlowly(bool catch_up, uint64_t* skipped) {
    auto worker = StartWorker(catch_up, [this] { now_ += kSlowDecode; });
    int64_t lateness = 0;
    int64_t previous = -1;
    const bool ended = TakeUntil(
        *worker, [this] { return now_.load(); },
        [&](const QueuedPicture& picture, int64_t clock) {
          EXPECT_EQ(FrameOf(picture), picture.time / kPeriod);
          EXPECT_GT(picture.time, previous);
          previous = picture.time;
          // After the last key frame there is nothing left to skip to.
          if (picture.time < kLastKeyTime) lateness = std::max(lateness, clock - picture.time);
          return picture.time == kLastTime;
        });
    EXPECT_TRUE(ended) << "the last picture never came";
    *skipped = worker->skipped();
    return lateness;
  }

  static test::TempDir* folder_;
  std::unique_ptr<SplitterFilter> splitter_;
  std::unique_ptr<ChannelStream> stream_;
  NullVideoSink sink_{{kWidth, kHeight}};
  std::atomic<int64_t> now_{0};
};
test::TempDir* CatchUp::folder_ = nullptr;

TEST_F(CatchUp, ASlowChannelSkipsToKeyFramesAndStaysWithinAKeyIntervalOfTheClock) {
  uint64_t skipped = 0;
  const int64_t lateness = PlaySlowly(true, &skipped);
  EXPECT_LT(lateness, kKeyInterval * kPeriod + 2 * kSlowDecode);
  EXPECT_GT(skipped, 0u);
}

TEST_F(CatchUp, WithoutCatchingUpTheSameDecoderDrifts) {
  uint64_t skipped = 0;
  const int64_t lateness = PlaySlowly(false, &skipped);
  // Two pictures further behind for every one decoded: far past that bound by the end.
  EXPECT_GT(lateness, 3 * (kKeyInterval * kPeriod + 2 * kSlowDecode));
  EXPECT_EQ(skipped, 0u);
}

TEST_F(CatchUp, AChannelThatKeepsPaceSkipsNothing) {
  auto worker = StartWorker(true, nullptr);
  int expected = 0;
  // The clock moves a picture at a time, each time once the picture due was handed out.
  const bool ended = TakeUntil(
      *worker, [this] { return now_.load(); },
      [&](const QueuedPicture& picture, int64_t) {
        EXPECT_EQ(picture.time / kPeriod, expected);
        EXPECT_EQ(FrameOf(picture), expected);
        ++expected;
        now_ = expected * kUnitsPerSecond / kFps;
        return picture.time == kLastTime;
      });
  EXPECT_TRUE(ended);
  EXPECT_EQ(expected, kSeconds * kFps);
  EXPECT_EQ(worker->skipped(), 0u);
}

}  // namespace
}  // namespace vantrel
