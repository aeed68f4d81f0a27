// The rebuild writes the same bytes whichever way its unchanged chunks travel: in place from a
// mapping of the movie part or read through the output's buffer, from two part files or straight
// from the recording they would be split from, into a file or into any sink.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "avi/byte_sink.h"
#include "avi/byte_source.h"
#include "repaired_file.h"
#include "temp_dir.h"
#include "tools/avi_repair.h"

namespace vantrel::test {
namespace {

using tools::MovieCopy;

// About 12 MB of frames of varied sizes and content with a text chunk every second: the copy
// crosses the output's buffer and the mapping's windows many times, and an audio-less rebuild
// gathers more pieces than one write takes.
std::vector<FakeChunk> LongRecording() {
  std::vector<FakeChunk> chunks;
  for (int frame = 0; frame < 1500; ++frame) {
    FakeChunk video = VideoChunk(frame % 30 == 0 ? 5 : 1, 4001 + (frame * 7919) % 9000);
    for (size_t i = 5; i < video.data.size(); ++i) {
      video.data[i] = static_cast<char>((frame * 31 + i) & 0xFF);
    }
    chunks.push_back(video);
    if (frame % 30 == 0) chunks.push_back({"01tx", "GPRMC," + std::to_string(frame)});
  }
  return chunks;
}

std::string InMemory(const std::string& header, const std::string& movie, bool audio_less,
                     uint32_t riff_size) {
  avi::MemoryByteSource header_part(header);
  avi::MemoryByteSource movie_part(movie);
  avi::MemorySink sink;
  return tools::RebuildAvi(header_part, movie_part, sink, audio_less, riff_size) ? sink.bytes()
                                                                                 : "";
}

TEST(RepairCopy, MappedReadAndWholeRecordingFormsWriteTheSameBytes) {
  TempDir dir;
  const std::vector<FakeChunk> chunks = LongRecording();
  const std::string indexed = FakeMoviePart(chunks, true);
  std::string cut = FakeMoviePart(chunks, false);
  cut += "00dc" + std::string("\x00\x10\x00\x00", 4) + "cut short";
  struct Case {
    const char* what;
    std::string header, movie;
    bool audio_less;
  };
  const std::string soundless = FakeHeaderPart({"vids", "txts"}, 1, 1, 30, 1500);
  const Case cases[] = {
      {"sound added", soundless, indexed, true},
      {"interrupted, sound added", FakeHeaderPart({"vids", "txts"}, 0, 1, 30, 0), cut, true},
      {"interrupted with sound: one long run",
       FakeHeaderPart({"vids", "auds", "txts"}, 0, 1001, 30000, 0), cut, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const uint32_t riff_size = Le32At(c.header, 4);
    const std::string expected = InMemory(c.header, c.movie, c.audio_less, riff_size);
    ASSERT_FALSE(expected.empty());
    ASSERT_TRUE(ParseRepaired(expected).sizes_agree);
    ASSERT_TRUE(WriteFile(dir.File("h"), c.header));
    ASSERT_TRUE(WriteFile(dir.File("m"), c.movie));
    ASSERT_TRUE(WriteFile(dir.File("rec.avi"), c.header + c.movie));
    for (const MovieCopy copy : {MovieCopy::kMapped, MovieCopy::kRead}) {
      const char* how = copy == MovieCopy::kMapped ? "mapped" : "read";
      EXPECT_TRUE(tools::AviRepair(dir.File("h"), dir.File("m"), dir.File("out"), c.audio_less,
                                   riff_size, copy));
      EXPECT_TRUE(ReadFile(dir.File("out")) == expected) << how << ", from part files";
      EXPECT_TRUE(tools::AviRepairRecording(dir.File("rec.avi"), c.header.size(), dir.File("out"),
                                            c.audio_less, riff_size, copy));
      EXPECT_TRUE(ReadFile(dir.File("out")) == expected) << how << ", from the recording";
    }
  }

  // A header list reaching past the recording leaves no movie part: refused, and a failed
  // rebuild never costs the file already of the output's name.
  std::string header = soundless;
  ASSERT_TRUE(WriteFile(dir.File("rec.avi"), header));
  ASSERT_TRUE(WriteFile(dir.File("out"), "old"));
  std::string error;
  EXPECT_FALSE(tools::AviRepairRecording(dir.File("rec.avi"), header.size() + 50, dir.File("out"),
                                         true, 1, tools::MovieCopy::kMapped, &error));
  EXPECT_EQ(ReadFile(dir.File("out")), "old");
  EXPECT_EQ(error, "not a recording that can be rebuilt");
  EXPECT_FALSE(tools::AviRepairRecording(dir.File("missing.avi"), 20, dir.File("out"), true, 1));
  EXPECT_EQ(ReadFile(dir.File("out")), "old") << "kept when the recording is missing";
  EXPECT_FALSE(tools::AviRepairRecording(dir.File("rec.avi"), header.size(),
                                         dir.File("no-folder/out"), true, 1,
                                         tools::MovieCopy::kMapped, &error));
  EXPECT_NE(error.find("no-folder/out: No such file or directory"), std::string::npos) << error;
}

// Rebuilding a recording into its own name (or a part into its own) must not destroy it first.
TEST(RepairCopy, AnOutputNamingAnInputIsReplacedOnlyByAFinishedRebuild) {
  TempDir dir;
  const std::string header = FakeHeaderPart({"vids", "txts"}, 1, 1, 30, 90);
  std::vector<FakeChunk> chunks;
  for (int frame = 0; frame < 90; ++frame) chunks.push_back(VideoChunk(frame == 0 ? 5 : 1, 999));
  const std::string movie = FakeMoviePart(chunks, true);
  const std::string expected = InMemory(header, movie, true, 1);
  ASSERT_FALSE(expected.empty());

  ASSERT_TRUE(WriteFile(dir.File("rec.avi"), header + movie));
  EXPECT_TRUE(
      tools::AviRepairRecording(dir.File("rec.avi"), header.size(), dir.File("rec.avi"), true, 1));
  EXPECT_TRUE(ReadFile(dir.File("rec.avi")) == expected);

  ASSERT_TRUE(WriteFile(dir.File("h"), header));
  ASSERT_TRUE(WriteFile(dir.File("m"), movie));
  EXPECT_TRUE(tools::AviRepair(dir.File("h"), dir.File("m"), dir.File("m"), true, 1));
  EXPECT_TRUE(ReadFile(dir.File("m")) == expected);

  // Nothing to rebuild from: the recording stays as it was.
  const std::string broken = header + "LIST";
  ASSERT_TRUE(WriteFile(dir.File("broken.avi"), broken));
  EXPECT_FALSE(tools::AviRepairRecording(dir.File("broken.avi"), header.size(),
                                         dir.File("broken.avi"), true, 0));
  EXPECT_EQ(ReadFile(dir.File("broken.avi")), broken);

  size_t files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    ++files;
  }
  EXPECT_EQ(files, 4u) << "no file left behind beside the outputs";
}

}  // namespace
}  // namespace vantrel::test
