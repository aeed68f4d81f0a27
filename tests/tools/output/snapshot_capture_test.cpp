// The Capture command on simulated recordings: which files it writes and what they show, when it
// pauses and resumes, the save folder that went missing, the question afterwards, and what it
// refuses to do.
#include "tools/output/snapshot_capture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/language.h"
#include "jpeg_frame.h"
#include "playback/card_source.h"
#include "playback/graph_components.h"
#include "playback/media_graph.h"
#include "playback/null_video_sink.h"
#include "playback_commands_stub.h"
#include "recorded_messages.h"
#include "sim/recording_description.h"
#include "sim/recording_writer.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

constexpr int kFps = 10;

class FakePlayback : public test::PlaybackCommandsStub {
 public:
  bool Loading() const override { return loading; }
  PlaybackState State() const override { return state; }
  void PausePlayback() override {
    ++pauses;
    state = PlaybackState::kPaused;
  }
  void ResumePlayback() override {
    ++resumes;
    state = PlaybackState::kRunning;
  }

  bool loading = false;
  PlaybackState state = PlaybackState::kPaused;
  int pauses = 0;
  int resumes = 0;
};

sim::RecordingDescription Recording(int channels) {
  sim::RecordingDescription description;
  description.channels = channels;
  description.seconds = 2.0;
  description.fps = kFps;
  description.front = {320, 180};
  description.rear = {192, 108};
  description.keyint = 5;
  description.audio = sim::AudioKind::kNone;
  return description;
}

class SnapshotCaptureTest : public ::testing::Test {
 protected:
  void Open(int channels) {
    const std::string path = dir_.File(sim::RecordingFileName(Recording(channels)));
    ASSERT_TRUE(sim::WriteRecording(Recording(channels), path));
    graph_.AttachWindows(&front_, &rear_);
    ASSERT_TRUE(graph_.OpenRecording(path, kFileSourceDevice, kFileSourceValue));
    // A recording shows its first picture once it is positioned, as the viewer's open does.
    graph_.Seek(0);
  }

  // The default folder is not there, as on an account without a documents folder.
  SnapshotCommandParts Parts() {
    return {playback_,
            pictures_,
            options_,
            messages_,
            dir_.File("config/option.ini"),
            [this] { return dir_.File("Documents/CAM_CAPTURE"); },
            [this] { return moment_; },
            [this](const std::string& text) {
              questions_.push_back(text);
              return answer_;
            },
            [this](const std::string& folder) { opened_.push_back(folder); }};
  }

  test::TempDir dir_;
  StandardGraphComponents components_{false};
  NullVideoSink front_{{200, 100}};
  NullVideoSink rear_{{160, 90}};
  MediaGraph graph_{components_, nullptr};
  GraphPictures pictures_{&graph_};
  FakePlayback playback_;
  ViewerOptions options_;
  test::RecordedMessages messages_;
  tools::LocalTime moment_{2014, 3, 5, 9, 7, 2, 45};
  bool answer_ = false;
  std::vector<std::string> questions_;
  std::vector<std::string> opened_;
};

TEST_F(SnapshotCaptureTest, EachChannelIsSavedAtItsOwnSizeShowingTheFrameOfTheMoment) {
  Open(2);
  graph_.Seek(1300);
  const SnapshotFiles files =
      WriteSnapshots(pictures_, dir_.path().string(), "REC_20140101_120000_2.avi", moment_);
  ASSERT_TRUE(files.captured);
  ASSERT_EQ(files.written,
            (std::vector<std::string>{
                dir_.File("REC_20140101_120000_2-2014-03-05-09h07m02s045(Track1).jpg"),
                dir_.File("REC_20140101_120000_2-2014-03-05-09h07m02s045(Track2).jpg")}));
  const auto front = test::ReadJpegFrame(files.written[0]);
  const auto rear = test::ReadJpegFrame(files.written[1]);
  ASSERT_TRUE(front && rear);
  EXPECT_EQ(front->width, 320);
  EXPECT_EQ(front->height, 180);
  EXPECT_EQ(rear->width, 192);
  EXPECT_EQ(rear->height, 108);
  ASSERT_TRUE(front->mark && rear->mark);
  EXPECT_EQ(front->mark->channel, 1);
  EXPECT_EQ(front->mark->frame, 13);
  EXPECT_EQ(rear->mark->channel, 2);
  EXPECT_EQ(rear->mark->frame, 13);
}

TEST_F(SnapshotCaptureTest, AOneChannelRecordingWritesOnlyTrack1) {
  Open(1);
  const SnapshotFiles files = WriteSnapshots(pictures_, dir_.path().string(), "a.avi", moment_);
  EXPECT_TRUE(files.captured);
  ASSERT_EQ(files.written.size(), 1u);
  EXPECT_NE(files.written[0].find("(Track1).jpg"), std::string::npos);
}

TEST_F(SnapshotCaptureTest, NoPictureOrAnUnwritableFileIsNoCapture) {
  // No recording open: the graph answers, but with nothing in the picture.
  EXPECT_FALSE(WriteSnapshots(pictures_, dir_.path().string(), "a.avi", moment_).captured);
  Open(1);
  const SnapshotFiles files = WriteSnapshots(pictures_, dir_.File("gone"), "a.avi", moment_);
  EXPECT_FALSE(files.captured);
  EXPECT_TRUE(files.written.empty());
  // Without any folder the files would land at the file system's root.
  EXPECT_FALSE(WriteSnapshots(pictures_, "", "a.avi", moment_).captured);
}

TEST_F(SnapshotCaptureTest, PausedStaysPausedAndRunningResumes) {
  Open(1);
  options_.save_folder = dir_.path().string();
  SnapshotCapture(Parts(), "a.avi", 1);
  EXPECT_EQ(playback_.pauses, 0);
  EXPECT_EQ(playback_.resumes, 0);
  EXPECT_EQ(playback_.state, PlaybackState::kPaused);

  playback_.state = PlaybackState::kRunning;
  moment_.millisecond = 46;
  SnapshotCapture(Parts(), "a.avi", 1);
  EXPECT_EQ(playback_.pauses, 1);
  EXPECT_EQ(playback_.resumes, 1);
  EXPECT_EQ(playback_.state, PlaybackState::kRunning);
  // Two captures in one second: two files.
  EXPECT_TRUE(fs::exists(dir_.path() / "a-2014-03-05-09h07m02s045(Track1).jpg"));
  EXPECT_TRUE(fs::exists(dir_.path() / "a-2014-03-05-09h07m02s046(Track1).jpg"));

  // With the list emptied meanwhile there is nothing to resume.
  SnapshotCapture(Parts(), "a.avi", 0);
  EXPECT_EQ(playback_.pauses, 2);
  EXPECT_EQ(playback_.resumes, 1);
}

TEST_F(SnapshotCaptureTest, TheQuestionNamesTheFrontFileAndYesOpensTheFolder) {
  Open(1);
  options_.language = kEnglish;
  options_.save_folder = dir_.path().string();
  SnapshotCapture(Parts(), "a.avi", 1);
  const std::string front = dir_.File("a-2014-03-05-09h07m02s045(Track1).jpg");
  ASSERT_EQ(questions_.size(), 1u);
  EXPECT_EQ(questions_[0], front + *LoadLanguageString(kEnglish, kSnapshotSavedText));
  EXPECT_TRUE(opened_.empty());
  answer_ = true;
  SnapshotCapture(Parts(), "a.avi", 1);
  EXPECT_EQ(opened_, std::vector<std::string>{dir_.path().string()});
}

TEST_F(SnapshotCaptureTest, ADeletedSaveFolderIsReplacedMadeWholeAndWrittenToTheOptionFile) {
  Open(1);
  fs::create_directories(dir_.path() / "config");
  options_.save_folder = dir_.File("deleted");
  SnapshotCapture(Parts(), "a.avi", 1);
  EXPECT_EQ(options_.save_folder, dir_.File("Documents/CAM_CAPTURE"));
  EXPECT_TRUE(fs::exists(dir_.path() / "Documents" / "CAM_CAPTURE" /
                         "a-2014-03-05-09h07m02s045(Track1).jpg"));
  EXPECT_EQ(questions_.size(), 1u);
  ViewerOptions read;
  ASSERT_TRUE(ReadOptions(dir_.File("config/option.ini"), read));
  EXPECT_EQ(read.save_folder, dir_.File("Documents/CAM_CAPTURE"));
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(SnapshotCaptureTest, NothingHappensWhileLoadingStoppedOrWithoutAPicture) {
  Open(1);
  options_.save_folder = dir_.path().string();
  playback_.loading = true;
  playback_.state = PlaybackState::kRunning;
  SnapshotCapture(Parts(), "a.avi", 1);
  EXPECT_EQ(playback_.pauses, 0);
  playback_.loading = false;
  playback_.state = PlaybackState::kStopped;
  SnapshotCapture(Parts(), "a.avi", 1);
  EXPECT_TRUE(questions_.empty());
  for (const auto& file : fs::directory_iterator(dir_.path())) {
    EXPECT_NE(file.path().extension(), ".jpg") << file.path();
  }

  // A failed grab shows nothing but still resumes.
  GraphPictures none(nullptr);
  SnapshotCommandParts parts = Parts();
  SnapshotCommandParts empty{
      parts.playback,       none,        parts.options, parts.messages,   parts.option_file,
      parts.default_folder, parts.clock, parts.ask,     parts.open_folder};
  playback_.state = PlaybackState::kRunning;
  SnapshotCapture(empty, "a.avi", 1);
  EXPECT_TRUE(questions_.empty());
  EXPECT_EQ(playback_.resumes, 1);
}

}  // namespace
}  // namespace vantrel
