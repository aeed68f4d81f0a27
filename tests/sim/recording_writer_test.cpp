// Recordings as the viewer meets them: they decode cleanly in FFmpeg, carry the expected streams,
// keep the header layout the repair depends on, index every chunk, interleave in time order, and
// an interrupted one is exactly a complete one with its end lost.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>

#include "avi/avi_header.h"
#include "avi/avi_index.h"
#include "avi/movie_scan.h"
#include "run_program.h"
#include "sim/frame_mark.h"
#include "sim/recording_writer.h"
#include "sim_test_support.h"
#include "temp_dir.h"

namespace vantrel::sim {
namespace {

using test::Chunk;
using test::Le32;
using vantrel::test::ErrorOutput;
using vantrel::test::RunProgram;

constexpr int kFps = 30;
constexpr int kKeyint = 15;
constexpr int kFrames = 60;  // two seconds

RecordingDescription Described(int channels, AudioKind audio, bool interrupted) {
  RecordingDescription d;
  d.seconds = 2.0;
  d.fps = kFps;
  d.keyint = kKeyint;
  d.channels = channels;
  d.rear = FrameSize{256, 144};
  d.audio = audio;
  d.interrupted = interrupted;
  d.seed = 7;
  return d;
}

const std::map<std::string, RecordingDescription>& Variants() {
  static const std::map<std::string, RecordingDescription> variants = {
      {"one_none", Described(1, AudioKind::kNone, false)},
      {"one_pcm", Described(1, AudioKind::kPcm, false)},
      {"one_aac", Described(1, AudioKind::kAac, false)},
      {"two_pcm", Described(2, AudioKind::kPcm, false)},
      {"one_pcm_cut", Described(1, AudioKind::kPcm, true)},
      {"two_aac_cut", Described(2, AudioKind::kAac, true)},
  };
  return variants;
}

// The variants are written once per test process, each when a test first needs it (every test
// runs in a process of its own under ctest).
class SimRecordingFiles : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { folder_ = new vantrel::test::TempDir(); }
  static void TearDownTestSuite() { delete folder_; }

  static std::string Path(const std::string& name) {
    const std::string path = folder_->File(name + ".avi");
    if (!std::filesystem::exists(path)) {
      std::string error;
      EXPECT_TRUE(WriteRecording(Variants().at(name), path, &error)) << name << ": " << error;
    }
    return path;
  }
  static std::string Bytes(const std::string& name) { return vantrel::test::ReadFile(Path(name)); }

  static vantrel::test::TempDir* folder_;
};

vantrel::test::TempDir* SimRecordingFiles::folder_ = nullptr;

int NalType(const Chunk& chunk) {
  return chunk.data.size() > 4 ? static_cast<uint8_t>(chunk.data[4]) & 0x1F : -1;
}

// Each stream as ffprobe describes it: "codec WxH rate channels", 0 where a field is absent.
std::vector<std::string> ProbeStreams(const std::string& path) {
  const auto result = RunProgram(
      "ffprobe",
      {"-v", "error", "-show_entries", "stream=codec_name,width,height,sample_rate,channels", path},
      ErrorOutput::kMerged);
  std::vector<std::string> streams;
  std::map<std::string, std::string> fields;
  std::string line;
  for (char c : result.output) {
    if (c != '\n') {
      line += c;
      continue;
    }
    if (line == "[/STREAM]") {
      auto field = [&](const char* key) { return fields.count(key) ? fields[key] : "0"; };
      streams.push_back(field("codec_name") + " " + field("width") + "x" + field("height") + " " +
                        field("sample_rate") + " " + field("channels"));
      fields.clear();
    } else if (const size_t equals = line.find('='); equals != std::string::npos) {
      fields[line.substr(0, equals)] = line.substr(equals + 1);
    }
    line.clear();
  }
  return streams;
}

TEST_F(SimRecordingFiles, EveryVariantDecodesCleanlyAndShowsItsStreams) {
  const std::string video = "h264 320x180 0 0";
  const std::string rear = "h264 256x144 0 0";
  const std::string pcm = "pcm_s16le 0x0 22050 1";
  const std::string aac = "aac 0x0 22050 1";
  const std::string text = "unknown 0x0 0 0";
  const std::map<std::string, std::vector<std::string>> expected = {
      {"one_none", {video, text}},         {"one_pcm", {video, pcm, text}},
      {"one_aac", {video, aac, text}},     {"two_pcm", {video, rear, pcm, text}},
      {"one_pcm_cut", {video, pcm, text}}, {"two_aac_cut", {video, rear, aac, text}},
  };
  for (const auto& [name, streams] : expected) {
    const auto result =
        RunProgram("ffmpeg", {"-nostdin", "-v", "error", "-i", Path(name), "-f", "null", "-"},
                   ErrorOutput::kMerged);
    EXPECT_EQ(result.exit_code, 0) << name;
    EXPECT_EQ(result.output, "") << name;
    EXPECT_EQ(ProbeStreams(Path(name)), streams) << name;
  }
}

TEST_F(SimRecordingFiles, OneChannelFilesKeepTheLayoutTheRepairReadsByOffset) {
  for (const char* name : {"one_none", "one_pcm", "one_pcm_cut"}) {
    const std::string file = Bytes(name);
    ASSERT_GT(file.size(), 300u);
    EXPECT_EQ(file.substr(0, 4), "RIFF");
    EXPECT_EQ(file.substr(8, 8), "AVI LIST");
    EXPECT_EQ(file.substr(20, 8), "hdrlavih");
    EXPECT_EQ(Le32(file, 28), 56u) << name;                   // main header size S
    EXPECT_EQ(file.substr(88, 4), "LIST");                    // first stream list at 32 + S
    EXPECT_EQ(Le32(file, 92), 4u + 8 + 56 + 8 + 40) << name;  // only strh and strf in it
    EXPECT_EQ(file.substr(96, 12), std::string("strlstrh") + '\x38' + std::string(3, '\0'));
    EXPECT_EQ(file.substr(108, 4), "vids");
    EXPECT_EQ(file.substr(164, 8), std::string("strf") + '\x28' + std::string(3, '\0'));
    EXPECT_EQ(Le32(file, 128), 1u);                           // scale at S + 72
    EXPECT_EQ(Le32(file, 132), static_cast<uint32_t>(kFps));  // rate at S + 76
    // The header list ends where the movie list begins.
    EXPECT_EQ(file.substr(20 + Le32(file, 16), 4), "LIST") << name;
  }
  const std::string audio_less = Bytes("one_none");
  EXPECT_EQ(audio_less.substr(232, 4), "txts");
  EXPECT_EQ(Le32(audio_less, 56), 2u);
  const std::string with_audio = Bytes("one_pcm");
  EXPECT_EQ(with_audio.substr(232, 4), "auds");
  EXPECT_EQ(Le32(with_audio, 56), 3u);
}

TEST_F(SimRecordingFiles, CompleteFilesHaveTheirSizesTotalsAndIndexRight) {
  for (const char* name : {"one_none", "one_pcm", "one_aac", "two_pcm"}) {
    SCOPED_TRACE(name);
    const std::string file = Bytes(name);
    EXPECT_EQ(Le32(file, 4), file.size() - 8);
    const test::MovieWalk walk = test::WalkMovie(file);
    ASSERT_FALSE(walk.chunks.empty());
    ASSERT_EQ(walk.after.size(), 1u);
    const Chunk& index = walk.after[0];
    EXPECT_EQ(index.id, "idx1");
    EXPECT_EQ(index.offset + 8 + index.size, file.size());
    ASSERT_EQ(index.size, 16 * walk.chunks.size());

    const uint64_t movi_type = 20 + Le32(file, 16) + 8;
    std::map<std::string, uint32_t> counts, largest;
    std::map<std::string, uint64_t> bytes;
    for (size_t i = 0; i < walk.chunks.size(); ++i) {
      const Chunk& chunk = walk.chunks[i];
      ASSERT_TRUE(chunk.complete);
      const std::string entry = index.data.substr(16 * i, 16);
      EXPECT_EQ(entry.substr(0, 4), chunk.id);
      EXPECT_EQ(Le32(entry, 8), chunk.offset - movi_type);
      EXPECT_EQ(Le32(entry, 12), chunk.size);
      const bool video = chunk.id.substr(2) == "dc";
      const int frame = static_cast<int>(counts[chunk.id]);
      if (video) {
        // Key frames start with the sequence parameter set and come at the fixed interval;
        // other frames are plain slices, never IDR pictures.
        const bool key = frame % kKeyint == 0;
        EXPECT_EQ(NalType(chunk), key ? 7 : 1) << chunk.id << " frame " << frame;
        EXPECT_EQ(Le32(entry, 4), key ? 0x10u : 0u) << chunk.id << " frame " << frame;
      } else {
        EXPECT_EQ(Le32(entry, 4), 0x10u) << chunk.id;
      }
      ++counts[chunk.id];
      bytes[chunk.id] += chunk.size;
      largest[chunk.id] = std::max(largest[chunk.id], chunk.size);
    }
    // Totals: the main header's frame count and each stream header's length.
    EXPECT_EQ(Le32(file, 48), static_cast<uint32_t>(kFrames));
    EXPECT_EQ(counts["00dc"], static_cast<uint32_t>(kFrames));
    const uint32_t streams = Le32(file, 56);
    uint64_t strl = 32 + Le32(file, 28);
    for (uint32_t s = 0; s < streams; ++s) {
      ASSERT_EQ(file.substr(strl, 4), "LIST");
      const std::string type = file.substr(strl + 20, 4);
      const uint32_t length = Le32(file, strl + 20 + 32);
      const uint32_t suggested = Le32(file, strl + 20 + 36);
      const std::string prefix = std::string(1, '0') + static_cast<char>('0' + s);
      if (type == "vids") {
        EXPECT_EQ(length, counts[prefix + "dc"]);
        EXPECT_GE(suggested, largest[prefix + "dc"]);
      } else if (type == "auds") {
        const bool pcm = Le32(file, strl + 20 + 20) == 2;  // scale: block align of PCM
        EXPECT_EQ(length, pcm ? bytes[prefix + "wb"] / 2 : counts[prefix + "wb"]);
        if (pcm) {
          EXPECT_EQ(bytes[prefix + "wb"], 2u * 22050 * 2);
        }
      } else {
        EXPECT_EQ(type, "txts");
        EXPECT_EQ(s + 1, streams);  // telemetry is the last stream
        EXPECT_EQ(length, counts[prefix + "tx"]);
        EXPECT_EQ(counts[prefix + "tx"], 2u + 20u);  // 1 Hz GPS and 10 Hz G-sensor over 2 s
      }
      strl += 8 + Le32(file, strl + 4);
    }
  }
}

TEST_F(SimRecordingFiles, InterruptedFilesAreCompleteFilesCutShort) {
  const std::string whole = Bytes("one_pcm");
  const std::string cut = Bytes("one_pcm_cut");
  EXPECT_EQ(Le32(cut, 4), 0u);                // RIFF size
  EXPECT_EQ(Le32(cut, 48), 0u);               // total frames
  EXPECT_EQ(Le32(cut, 140), 0u);              // first stream's length
  EXPECT_EQ(Le32(cut, 16), Le32(whole, 16));  // the header list itself is whole
  const test::MovieWalk walk = test::WalkMovie(cut);
  EXPECT_EQ(walk.movie_list_size, 0u);
  ASSERT_FALSE(walk.chunks.empty());
  EXPECT_FALSE(walk.chunks.back().complete);
  EXPECT_GT(walk.chunks.back().data.size(), 0u);
  EXPECT_EQ(cut.find("idx1"), std::string::npos);
  // The movie data is the complete file's, up to the cut.
  const size_t movie = 20 + Le32(cut, 16) + 12;
  ASSERT_LT(cut.size(), whole.size());
  EXPECT_EQ(cut.substr(movie), whole.substr(movie, cut.size() - movie));

  const test::MovieWalk two = test::WalkMovie(Bytes("two_aac_cut"));
  ASSERT_FALSE(two.chunks.empty());
  EXPECT_FALSE(two.chunks.back().complete);
  for (size_t i = 0; i + 1 < two.chunks.size(); ++i) EXPECT_TRUE(two.chunks[i].complete);
}

TEST_F(SimRecordingFiles, TheViewersAviReaderReadsThemAsWritten) {
  const std::map<std::string, size_t> streams = {{"one_none", 2},    {"one_pcm", 3},
                                                 {"one_aac", 3},     {"two_pcm", 4},
                                                 {"one_pcm_cut", 3}, {"two_aac_cut", 4}};
  for (const auto& [name, count] : streams) {
    SCOPED_TRACE(name);
    auto source = avi::FileByteSource::Open(Path(name));
    ASSERT_TRUE(source);
    const auto header = avi::ReadAviHeader(*source);
    ASSERT_TRUE(header.has_value());
    ASSERT_EQ(header->streams.size(), count);
    EXPECT_EQ(header->audio_less, name == "one_none");
    EXPECT_EQ(header->streams.front().header.type, avi::kVideoStream);
    EXPECT_EQ(header->streams.back().header.type, avi::kTextStream);
    ASSERT_TRUE(header->movie.has_value());
    const test::MovieWalk walk = test::WalkMovie(Bytes(name));
    const bool cut = name.find("cut") != std::string::npos;
    EXPECT_EQ(header->movie->open_ended, cut);
    EXPECT_EQ(header->index.has_value(), !cut);
    const avi::MovieScan scan = avi::ScanMovie(*source, *header);
    EXPECT_EQ(scan.stop, cut ? avi::ScanStop::kCutShort : avi::ScanStop::kEnd);
    EXPECT_EQ(scan.chunks.size(), walk.chunks.size() - (cut ? 1 : 0));
    if (!cut) {
      EXPECT_EQ(avi::ReadIndex(*source, *header).size(), walk.chunks.size());
    }
  }
}

// Milliseconds since the start of a GPS packet's fix, from its hhmmss.sss (start 03:00:00 UTC).
int GpsMilliseconds(const Chunk& chunk) {
  const std::string time = test::Fields(chunk.data.c_str())[1];
  return (std::stoi(time.substr(2, 2)) * 60 + std::stoi(time.substr(4, 2))) * 1000 +
         std::stoi(time.substr(7, 3));
}

TEST_F(SimRecordingFiles, ChunksFollowEachOtherAsTheRecorderWritesThem) {
  const test::MovieWalk walk = test::WalkMovie(Bytes("two_pcm"));
  int front_frames = 0;
  int audio_blocks = 0;
  for (size_t i = 0; i < walk.chunks.size(); ++i) {
    const Chunk& chunk = walk.chunks[i];
    const int last_frame_ms = (front_frames - 1) * 1000 / kFps;
    if (chunk.id == "00dc") {
      ++front_frames;
      ASSERT_LT(i + 1, walk.chunks.size());
      EXPECT_EQ(walk.chunks[i + 1].id, "01dc") << "rear frame follows front frame " << i;
    } else if (chunk.id == "02wb") {
      // 100 ms of sound, written once it has been captured.
      EXPECT_EQ(chunk.size, 4410u);
      ++audio_blocks;
      // A quiet cabin, never silence, so recorded sound is told apart from inserted silence.
      int loudest = 0;
      for (size_t at = 0; at + 1 < chunk.data.size(); at += 2) {
        const int16_t sample = static_cast<int16_t>(static_cast<uint8_t>(chunk.data[at]) |
                                                    static_cast<uint8_t>(chunk.data[at + 1]) << 8);
        loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
      }
      EXPECT_GT(loudest, 300);
      EXPECT_LT(loudest, 8000);
      // What is left when the recording stops follows the last frame.
      if (front_frames < kFrames) {
        EXPECT_LE(audio_blocks * 100, last_frame_ms + 1);
      }
    } else if (chunk.id == "03tx" && chunk.data[0] == 'G') {
      // A fix is written after the first frame at or after its time, and not before.
      const int fix_ms = GpsMilliseconds(chunk);
      EXPECT_LE(fix_ms, last_frame_ms);
      EXPECT_GT(fix_ms, (front_frames - 2) * 1000 / kFps);
    } else {
      EXPECT_TRUE(chunk.id == "01dc" || chunk.id == "03tx") << chunk.id;
    }
  }
  EXPECT_EQ(front_frames, kFrames);
  EXPECT_EQ(audio_blocks, 20);
}

TEST_F(SimRecordingFiles, TelemetryChunksHoldOnePacketEach) {
  const test::MovieWalk walk = test::WalkMovie(Bytes("one_aac"));
  int fixes = 0, samples = 0;
  for (const Chunk& chunk : walk.chunks) {
    if (chunk.id != "02tx") continue;
    ASSERT_FALSE(chunk.data.empty());
    if (chunk.data[0] == 'M') {
      ASSERT_EQ(chunk.size, 4u);
      // At rest but for the car's own motion, 32 counts per g: near 0 across, 1 g on Z.
      EXPECT_LE(static_cast<uint8_t>(chunk.data[1]), 12);
      EXPECT_LE(static_cast<uint8_t>(chunk.data[2]), 12);
      EXPECT_NEAR(static_cast<uint8_t>(chunk.data[3]), 32, 6);
      ++samples;
      continue;
    }
    ASSERT_EQ(chunk.data.back(), '\0') << "NUL-terminated";
    const std::string sentence = chunk.data.c_str();
    EXPECT_EQ(sentence.size() + 1, chunk.size);
    EXPECT_TRUE(test::HasValidChecksum(sentence)) << sentence;
    const std::vector<std::string> f = test::Fields(sentence);
    ASSERT_EQ(f.size(), 13u) << sentence;
    EXPECT_EQ(f[0], "GPRMC");
    EXPECT_EQ(f[1], fixes == 0 ? "030000.000" : "030001.000");  // 12:00 in Korea is 03:00 UTC
    EXPECT_EQ(f[2], "A");
    EXPECT_EQ(f[3].size(), 9u);
    EXPECT_EQ(f[4], "N");
    EXPECT_EQ(f[5].size(), 10u);
    EXPECT_EQ(f[6], "E");
    EXPECT_EQ(f[9], "010114");
    ++fixes;
  }
  EXPECT_EQ(fixes, 2);
  EXPECT_EQ(samples, 20);
}

TEST_F(SimRecordingFiles, DecodedPicturesCarryTheirChannelAndFrameNumber) {
  for (const auto& [stream, width, height, channel] :
       {std::tuple{0, 320, 180, 1}, std::tuple{1, 256, 144, 2}}) {
    const std::string raw = folder_->File("frame" + std::to_string(stream) + ".gray");
    const auto result = RunProgram(
        "ffmpeg",
        {"-nostdin", "-v", "error", "-i", Path("two_pcm"), "-map", "0:v:" + std::to_string(stream),
         "-vf", "select=eq(n\\,37)", "-frames:v", "1", "-f", "rawvideo", "-pix_fmt", "gray", raw},
        ErrorOutput::kMerged);
    ASSERT_EQ(result.exit_code, 0) << result.output;
    const std::string luma = vantrel::test::ReadFile(raw);
    ASSERT_EQ(luma.size(), static_cast<size_t>(width * height));
    const auto mark =
        ReadFrameMark(reinterpret_cast<const uint8_t*>(luma.data()), width, width, height);
    ASSERT_TRUE(mark.has_value()) << "stream " << stream;
    EXPECT_EQ(mark->channel, channel);
    EXPECT_EQ(mark->frame, 37);
  }
}

TEST_F(SimRecordingFiles, TheSameDescriptionGivesTheSameBytes) {
  const std::string again = folder_->File("again.avi");
  ASSERT_TRUE(WriteRecording(Described(2, AudioKind::kPcm, false), again));
  EXPECT_TRUE(vantrel::test::ReadFile(again) == Bytes("two_pcm"));
  RecordingDescription other_seed = Described(2, AudioKind::kPcm, false);
  other_seed.seed = 8;
  ASSERT_TRUE(WriteRecording(other_seed, again));
  EXPECT_FALSE(vantrel::test::ReadFile(again) == Bytes("two_pcm"));
  ASSERT_TRUE(WriteRecording(Described(1, AudioKind::kAac, false), again));
  EXPECT_TRUE(vantrel::test::ReadFile(again) == Bytes("one_aac"));
}

}  // namespace
}  // namespace vantrel::sim
