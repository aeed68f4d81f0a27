// The engine's decoding on simulated recordings: exact seeking against sequential decoding,
// brightness and mirror on the channel they were sent to, the frame shown after a seek, the
// command line's grab, and broken recordings.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "bgra_frame_mark.h"
#include "playback/card_source.h"
#include "playback/channel_stream.h"
#include "playback/graph_components.h"
#include "playback/media_graph.h"
#include "playback/null_video_sink.h"
#include "playback/picture_converter.h"
#include "run_program.h"
#include "sim/frame_mark.h"
#include "sim/recording_description.h"
#include "sim/recording_writer.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

constexpr int kFps = 30;

sim::RecordingDescription TwoChannels() {
  sim::RecordingDescription description;
  description.channels = 2;
  description.seconds = 2.0;
  description.fps = kFps;
  description.front = {320, 180};
  description.rear = {320, 180};
  description.keyint = 10;
  description.audio = sim::AudioKind::kNone;
  return description;
}

// Sequential decoding from the first frame up to time, at native size, no adjustments.
ChannelImage DecodeSequentially(const std::string& path, size_t pin, int64_t time) {
  auto splitter = MakeRecordingSplitter();
  EXPECT_TRUE(splitter->Load(path));
  ChannelStream stream(*splitter, pin);
  EXPECT_TRUE(stream.Open(splitter->Pins()[pin].type));
  stream.DecodeUpTo(time);
  ChannelImage image;
  const AVFrame* frame = stream.current();
  if (frame == nullptr) return image;
  image.width = frame->width;
  image.height = frame->height;
  image.pixels.resize(static_cast<size_t>(image.width) * image.height * 4);
  PictureConverter converter;
  EXPECT_TRUE(converter.Convert(*frame, DecoderSettings{}, image.width, image.height,
                                image.pixels.data(), image.width * 4));
  return image;
}

double MeanLevel(const ChannelImage& image) {
  double sum = 0;
  for (size_t i = 0; i < image.pixels.size(); i += 4) {
    sum += image.pixels[i] + image.pixels[i + 1] + image.pixels[i + 2];
  }
  return sum / (3.0 * image.width * image.height);
}

ChannelImage Mirrored(const ChannelImage& image) {
  ChannelImage flipped = image;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const size_t from = (static_cast<size_t>(y) * image.width + x) * 4;
      const size_t to = (static_cast<size_t>(y) * image.width + (image.width - 1 - x)) * 4;
      std::copy_n(image.pixels.begin() + from, 4, flipped.pixels.begin() + to);
    }
  }
  return flipped;
}

std::optional<sim::FrameMark> MarkOf(const ChannelImage& image) {
  return BgraFrameMark(image.pixels.data(), image.width, image.height, image.width * 4);
}

class Decoding : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new test::TempDir();
    std::string error;
    ASSERT_TRUE(sim::WriteRecording(TwoChannels(), Path(), &error)) << error;
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }
  static std::string Path() { return folder_->File("two.avi"); }

  void Open(const std::string& path) {
    graph_.AttachWindows(&front_, &rear_);
    ASSERT_TRUE(graph_.OpenRecording(path, kFileSourceDevice, kFileSourceValue));
  }
  ChannelImage Capture(int index) {
    ChannelImage image;
    EXPECT_TRUE(graph_.CaptureChannelImage(index, &image));
    return image;
  }

  static test::TempDir* folder_;
  StandardGraphComponents components_{false};
  NullVideoSink front_{{200, 100}};
  NullVideoSink rear_{{160, 90}};
  MediaGraph graph_{components_, nullptr};
};
test::TempDir* Decoding::folder_ = nullptr;

TEST_F(Decoding, SeekShowsTheFrameSequentialDecodingReaches) {
  Open(Path());
  // On key frames (0, 10, 20) and between them, forwards and backwards.
  for (int ms : {0, 334, 500, 700, 1234, 667, 100, 1999}) {
    graph_.Seek(ms);
    const int64_t time = static_cast<int64_t>(ms) * 10'000;
    const int expected_frame = ms * kFps / 1000;
    for (int index : {0, 1}) {
      SCOPED_TRACE("ms " + std::to_string(ms) + " channel " + std::to_string(index + 1));
      const ChannelImage grabbed = Capture(index);
      const ChannelImage reference = DecodeSequentially(Path(), index, time);
      EXPECT_EQ(grabbed.width, 320);
      EXPECT_EQ(grabbed.height, 180);
      EXPECT_TRUE(grabbed.pixels == reference.pixels);
      const auto mark = MarkOf(grabbed);
      ASSERT_TRUE(mark.has_value());
      EXPECT_EQ(mark->channel, index + 1);
      EXPECT_EQ(mark->frame, expected_frame);
    }
  }
  // Every seek presented both channels, stretched to their windows.
  EXPECT_GE(front_.presented(), 8u);
  EXPECT_GE(rear_.presented(), 8u);
}

TEST_F(Decoding, BrightnessAndMirrorOnlyOnTheirChannel) {
  Open(Path());
  graph_.Seek(500);
  const ChannelImage front = Capture(0);
  const ChannelImage rear = Capture(1);

  // The offset waits for its switch.
  graph_.SetDecoderParameter(1, kParamBrightnessOffset, 255);
  EXPECT_TRUE(Capture(0).pixels == front.pixels);
  graph_.SetDecoderParameter(1, kParamAdjustEnabled, 1);
  EXPECT_GT(MeanLevel(Capture(0)), 230.0);
  EXPECT_GT(MeanLevel(Capture(0)), MeanLevel(front) + 60);
  graph_.SetDecoderParameter(1, kParamBrightnessOffset, -255);
  EXPECT_LT(MeanLevel(Capture(0)), 30.0);
  EXPECT_TRUE(Capture(1).pixels == rear.pixels);

  graph_.SetRearMirror(true);
  const ChannelImage mirrored = Capture(1);
  EXPECT_TRUE(mirrored.pixels == Mirrored(rear).pixels);
  EXPECT_FALSE(mirrored.pixels == rear.pixels);
  // A mirrored grab still names its frame.
  ASSERT_TRUE(MarkOf(mirrored).has_value());
  EXPECT_EQ(MarkOf(mirrored)->frame, 15);
  graph_.SetRearMirror(false);
  EXPECT_TRUE(Capture(1).pixels == rear.pixels);

  // Playing on keeps the settings: the next picture is dark too.
  graph_.SetDecoderParameter(1, kParamAdjustEnabled, 0);
  EXPECT_TRUE(Capture(0).pixels == front.pixels);
}

TEST_F(Decoding, GrabWritesAJpegOfTheNativeSize) {
  const std::string out = folder_->File("grab.jpg");
  const std::string cli = test::ToolPath("vantrel-cli");
  const auto grab = test::RunProgram(cli, {"grab", Path(), "--at", "700", "--channel", "2",
                                           "--brightness", "40", "--mirror", "--out", out});
  ASSERT_EQ(grab.exit_code, 0);
  const auto probe = test::RunProgram(
      "ffprobe",
      {"-v", "error", "-show_entries", "stream=codec_name,width,height", "-of", "csv=p=0", out});
  EXPECT_EQ(probe.output, "mjpeg,320,180\n");

  // Nothing to capture: a file that is no recording, a channel the recording lacks.
  const std::string bogus = folder_->File("bogus.avi");
  ASSERT_TRUE(test::WriteFile(bogus, "RIFF not really"));
  EXPECT_EQ(test::RunProgram(cli, {"grab", bogus, "--at", "0", "--out", out}).exit_code, 1);
  sim::RecordingDescription one = TwoChannels();
  one.channels = 1;
  const std::string single = folder_->File("one.avi");
  ASSERT_TRUE(sim::WriteRecording(one, single));
  EXPECT_EQ(test::RunProgram(cli, {"grab", single, "--at", "0", "--channel", "2", "--out", out})
                .exit_code,
            1);
}

TEST_F(Decoding, BrokenRecordingsNeverCrash) {
  sim::RecordingDescription cut = TwoChannels();
  cut.interrupted = true;
  const std::string interrupted = folder_->File("cut.avi");
  ASSERT_TRUE(sim::WriteRecording(cut, interrupted));

  // The whole recording with its second half gone, and with its picture data scrambled.
  std::string bytes = test::ReadFile(Path());
  const std::string halved = folder_->File("halved.avi");
  ASSERT_TRUE(test::WriteFile(halved, bytes.substr(0, bytes.size() / 2)));
  for (size_t i = 4096; i < bytes.size(); i += 97) bytes[i] = static_cast<char>(bytes[i] * 31 + 7);
  const std::string scrambled = folder_->File("scrambled.avi");
  ASSERT_TRUE(test::WriteFile(scrambled, bytes));

  for (const std::string& path : {interrupted, halved, scrambled}) {
    SCOPED_TRACE(path);
    NullVideoSink front, rear;
    MediaGraph graph(components_, nullptr);
    graph.AttachWindows(&front, &rear);
    if (!graph.OpenRecording(path, kFileSourceDevice, kFileSourceValue)) continue;
    for (int ms : {0, 900, 1500, 5000, -1}) {
      graph.Seek(ms);
      ChannelImage image;
      for (int index : {0, 1}) {
        if (graph.CaptureChannelImage(index, &image)) {
          EXPECT_EQ(image.pixels.size(), static_cast<size_t>(image.width) * image.height * 4);
        }
      }
    }
    graph.Run();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    graph.Stop();
  }
  // The interrupted recording still plays up to where power was lost.
  MediaGraph graph(components_, nullptr);
  NullVideoSink front, rear;
  graph.AttachWindows(&front, &rear);
  ASSERT_TRUE(graph.OpenRecording(interrupted, kFileSourceDevice, kFileSourceValue));
  graph.Seek(1000);
  ChannelImage image;
  ASSERT_TRUE(graph.CaptureChannelImage(0, &image));
  ASSERT_TRUE(MarkOf(image).has_value());
  EXPECT_EQ(MarkOf(image)->frame, 30);
}

}  // namespace
}  // namespace vantrel
