// Runs the built vantrel-cli on generated recordings.
#include <gtest/gtest.h>

#include "../avi/avi_test_file.h"
#include "run_program.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

using avi::ChunkKind;
using avi::kIndexKeyFrame;
using avi::test::BuildAvi;
using avi::test::Id;
using avi::test::TestAvi;

test::ProgramRun Probe(const std::string& file) {
  return test::RunProgram(test::ToolPath("vantrel-cli"), {"probe", file});
}

// A two-channel recording with PCM audio, 4 front frames at 30 fps, and an index.
TestAvi TwoChannel() {
  TestAvi avi;
  avi.streams = {avi::test::VideoStream(1, 30), avi::test::VideoStream(1, 30),
                 avi::test::PcmStream(), avi::test::TextStream()};
  avi.streams[0].header.length = 4;
  avi.streams[1].header.length = 4;
  avi.streams[3].header.handler = 0;
  avi.total_frames = 4;
  for (int frame = 0; frame < 4; ++frame) {
    avi.chunks.push_back({Id(0, ChunkKind::kVideo), avi::test::KeyFrame(), kIndexKeyFrame});
    avi.chunks.push_back({Id(1, ChunkKind::kVideo), avi::test::KeyFrame(), kIndexKeyFrame});
    avi.chunks.push_back({Id(3, ChunkKind::kText), "M123", kIndexKeyFrame});
  }
  avi.chunks.push_back({Id(2, ChunkKind::kAudio), std::string(100, '\0'), kIndexKeyFrame});
  return avi;
}

TEST(ProbeCommand, PrintsHeaderFactsStreamsPinsAndCounts) {
  test::TempDir dir;
  const std::string bytes = BuildAvi(TwoChannel());
  ASSERT_TRUE(test::WriteFile(dir.File("REC_20140101_120000_2.avi"), bytes));
  const test::ProgramRun run = Probe(dir.File("REC_20140101_120000_2.avi"));
  ASSERT_EQ(run.exit_code, 0);
  const std::string expected = "riff_size\t" + std::to_string(bytes.size() - 8) + "\n" +
                               "header_list_size\t" + std::to_string(avi::test::Le32At(bytes, 16)) +
                               "\n" +
                               "main_header_size\t56\n"
                               "total_frames\t4\n"
                               "stream_count\t4\n"
                               "audio_less\t0\n"
                               "stream\t0\tvids\tH264\t1\t30\t4\n"
                               "stream\t1\tvids\tH264\t1\t30\t4\n"
                               "stream\t2\tauds\t\t1\t22050\t0\n"
                               "stream\t3\ttxts\t\t1\t1000\t0\n"
                               "pin\tVideo 1\n"
                               "pin\tVideo 2\n"
                               "pin\tAudio\n"
                               "pin\tText\n"
                               "video_pins\t2\n"
                               "chunks\t13\n"
                               "index_entries\t13\n"
                               "duration_ms\t133\n";
  EXPECT_EQ(run.output, expected);
}

TEST(ProbeCommand, InterruptedRecordingCountsItsWholeChunks) {
  test::TempDir dir;
  TestAvi avi = TwoChannel();
  avi.interrupted = true;
  avi.streams.erase(avi.streams.begin() + 1, avi.streams.begin() + 3);  // video and text only
  avi.chunks.clear();
  for (int frame = 0; frame < 6; ++frame) {
    avi.chunks.push_back({Id(0, ChunkKind::kVideo), avi::test::DeltaFrame(), 0});
    avi.chunks.push_back({Id(1, ChunkKind::kText), "M123", 0});
  }
  std::string bytes = BuildAvi(avi);
  bytes.resize(bytes.size() - 6);  // the last frame's text is cut
  ASSERT_TRUE(test::WriteFile(dir.File("cut.avi"), bytes));
  const test::ProgramRun run = Probe(dir.File("cut.avi"));
  ASSERT_EQ(run.exit_code, 0);
  EXPECT_NE(run.output.find("riff_size\t0\n"), std::string::npos);
  EXPECT_NE(run.output.find("audio_less\t1\n"), std::string::npos);
  EXPECT_NE(run.output.find("stream\t0\tvids\tH264\t1\t30\t0\n"), std::string::npos);
  EXPECT_NE(run.output.find("chunks\t11\n"), std::string::npos);
  EXPECT_NE(run.output.find("index_entries\t0\n"), std::string::npos);
  EXPECT_NE(run.output.find("duration_ms\t200\n"), std::string::npos);  // 6 frames at 30 fps
}

TEST(ProbeCommand, RefusesWhatIsNotAnAviFile) {
  test::TempDir dir;
  ASSERT_TRUE(test::WriteFile(dir.File("wave.wav"), std::string("RIFF\x04\0\0\0WAVE", 12)));
  ASSERT_TRUE(test::WriteFile(dir.File("empty.avi"), ""));
  for (const char* name : {"wave.wav", "empty.avi", "missing.avi"}) {
    const test::ProgramRun run = Probe(dir.File(name));
    EXPECT_EQ(run.exit_code, 1) << name;
    EXPECT_EQ(run.output, "") << name;
  }
}

}  // namespace
}  // namespace vantrel
