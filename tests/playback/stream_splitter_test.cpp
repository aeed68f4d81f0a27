#include "playback/stream_splitter.h"

#include <gtest/gtest.h>

#include <cstring>

#include "../avi/avi_test_file.h"
#include "playback/card_source.h"
#include "playback/media_time.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

using avi::ChunkKind;
using avi::kIndexKeyFrame;
using avi::test::BuildAvi;
using avi::test::Id;
using avi::test::TestAvi;

constexpr int64_t kMs = kUnitsPerMillisecond;

struct Layout {
  int channels = 1;
  enum { kNone, kPcm, kAac } audio = kNone;
};

// Streams in the recorder's order; chunk identifiers follow the stream numbers.
TestAvi Recording(Layout layout) {
  TestAvi avi;
  avi.streams.push_back(avi::test::VideoStream(1, 30, 320, 180));
  if (layout.channels == 2) avi.streams.push_back(avi::test::VideoStream(1, 30, 160, 90));
  if (layout.audio == Layout::kPcm) avi.streams.push_back(avi::test::PcmStream());
  if (layout.audio == Layout::kAac) avi.streams.push_back(avi::test::AacStream());
  avi.streams.push_back(avi::test::TextStream());
  return avi;
}

uint32_t TextStreamOf(const TestAvi& avi) { return static_cast<uint32_t>(avi.streams.size() - 1); }

std::unique_ptr<StreamSplitter> OpenSplitter(const std::string& bytes) {
  auto splitter = std::make_unique<StreamSplitter>();
  EXPECT_TRUE(splitter->Open(std::make_unique<avi::MemoryByteSource>(bytes)));
  return splitter;
}

std::vector<std::string> PinNames(const StreamSplitter& splitter) {
  std::vector<std::string> names;
  for (const OutputPin& pin : splitter.Pins()) names.push_back(pin.name);
  return names;
}

struct Fetched {
  int result = 0;
  std::string bytes;
  uint32_t time = 0;
};

Fetched Fetch(StreamSplitter& splitter, int32_t offered = 1024) {
  std::vector<uint8_t> buffer(1024, 0xEE);
  int32_t size = offered;
  Fetched fetched;
  fetched.result = splitter.FetchTelemetryPacket(buffer.data(), &size, &fetched.time);
  if (fetched.result == kTelemetryPacketDelivered) {
    fetched.bytes.assign(reinterpret_cast<const char*>(buffer.data()), size);
  }
  return fetched;
}

TEST(StreamSplitterPins, NamesAndMediaTypesFollowTheStreams) {
  struct Case {
    Layout layout;
    std::vector<std::string> names;
  } cases[] = {
      {{1, Layout::kNone}, {"Video 1", "Text"}},
      {{1, Layout::kPcm}, {"Video 1", "Audio", "Text"}},
      {{2, Layout::kNone}, {"Video 1", "Video 2", "Text"}},
      {{2, Layout::kAac}, {"Video 1", "Video 2", "Audio", "Text"}},
  };
  for (const Case& c : cases) {
    auto splitter = OpenSplitter(BuildAvi(Recording(c.layout)));
    EXPECT_EQ(PinNames(*splitter), c.names);
  }

  auto two = OpenSplitter(BuildAvi(Recording({2, Layout::kAac})));
  const auto pins = two->Pins();
  EXPECT_EQ(pins[0].type.major, MajorType::kVideo);
  EXPECT_EQ(pins[0].type.subtype, MediaSubtype::kH264);
  EXPECT_EQ(pins[0].type.width, 320);
  EXPECT_EQ(pins[1].type.height, 90);
  EXPECT_EQ(pins[2].type.major, MajorType::kAudio);
  EXPECT_EQ(pins[2].type.subtype, MediaSubtype::kAac);
  EXPECT_EQ(pins[2].type.sample_rate, 44100u);
  EXPECT_EQ(pins[2].type.channels, 2u);
  EXPECT_EQ(pins[2].type.extra, std::string("\x12\x10", 2));
  EXPECT_EQ(pins[3].type.major, MajorType::kText);

  auto pcm = OpenSplitter(BuildAvi(Recording({1, Layout::kPcm})));
  const MediaType audio = pcm->Pins()[1].type;
  EXPECT_EQ(audio.subtype, MediaSubtype::kPcm);
  EXPECT_EQ(audio.bits_per_sample, 16u);
  EXPECT_EQ(audio.sample_rate, 22050u);

  // A stream of a type the splitter does not deliver gets no pin, and does not shift names.
  TestAvi odd = Recording({1, Layout::kNone});
  odd.streams.insert(odd.streams.begin(), avi::test::TextStream());
  odd.streams[0].header.type = avi::FourCc("mids");
  EXPECT_EQ(PinNames(*OpenSplitter(BuildAvi(odd))), (std::vector<std::string>{"Video 1", "Text"}));
}

TEST(StreamSplitterTelemetry, PacketsInFileOrderStampedWithTheLastFrontFrame) {
  TestAvi avi = Recording({2, Layout::kPcm});
  const auto text = Id(TextStreamOf(avi), ChunkKind::kText);
  const auto front = Id(0, ChunkKind::kVideo);
  const auto rear = Id(1, ChunkKind::kVideo);
  avi.chunks = {{text, std::string("M\x01\x02\x03", 4), kIndexKeyFrame},  // before any frame
                {rear, avi::test::KeyFrame(), kIndexKeyFrame},            // rear does not count
                {text, std::string("GPRMC,A\0", 8), kIndexKeyFrame},
                {front, avi::test::KeyFrame(), kIndexKeyFrame},
                {front, avi::test::DeltaFrame(), 0},
                {front, avi::test::DeltaFrame(), 0},
                {text, std::string("M\xff\x00\x7f", 4), kIndexKeyFrame},
                {front, avi::test::DeltaFrame(), 0},
                {text, std::string("M\x10\x20\x30", 4), kIndexKeyFrame}};
  auto splitter = OpenSplitter(BuildAvi(avi));

  const uint32_t expected_times[] = {0, 0, 66, 100};  // frames 2 and 3 at 30 fps
  const char* expected_bytes[] = {"M\x01\x02\x03", "GPRMC,A", "M\xff\x00\x7f", "M\x10\x20\x30"};
  for (int i = 0; i < 4; ++i) {
    const Fetched fetched = Fetch(*splitter);
    ASSERT_EQ(fetched.result, kTelemetryPacketDelivered) << i;
    EXPECT_EQ(fetched.time, expected_times[i]) << i;
    const std::string expected(expected_bytes[i], i == 1 ? 8 : 4);
    EXPECT_EQ(fetched.bytes, expected) << i;
  }
  EXPECT_EQ(Fetch(*splitter).result, kNoMoreTelemetryPackets);
  EXPECT_EQ(Fetch(*splitter).result, kNoMoreTelemetryPackets);

  // A seek moves the media cursors only: the telemetry drain stays where it was.
  splitter->Seek(0);
  EXPECT_EQ(Fetch(*splitter).result, kNoMoreTelemetryPackets);

  StreamSplitter closed;
  EXPECT_EQ(Fetch(closed).result, kSplitterNotOpen);
  auto open = OpenSplitter(BuildAvi(avi));
  EXPECT_EQ(Fetch(*open, 0).result, kSplitterBadBuffer);
}

TEST(StreamSplitterTelemetry, GpsTextIsAlwaysDeliveredTerminated) {
  TestAvi avi = Recording({1, Layout::kNone});
  const auto text = Id(TextStreamOf(avi), ChunkKind::kText);
  std::string long_sentence = "GPRMC";
  long_sentence.resize(1500, '7');
  avi.chunks = {{text, long_sentence, kIndexKeyFrame},
                {text, "GPRMC,12", kIndexKeyFrame},  // no NUL in the chunk
                {text, std::string("M\x01\x02\x03", 4), kIndexKeyFrame},
                {text, long_sentence, kIndexKeyFrame}};
  auto splitter = OpenSplitter(BuildAvi(avi));

  Fetched cut = Fetch(*splitter);
  ASSERT_EQ(cut.result, kTelemetryPacketDelivered);
  ASSERT_EQ(cut.bytes.size(), 1024u);
  EXPECT_EQ(cut.bytes[1023], '\0');
  EXPECT_EQ(cut.bytes.substr(0, 1023), long_sentence.substr(0, 1023));

  Fetched short_text = Fetch(*splitter);
  EXPECT_EQ(short_text.bytes, std::string("GPRMC,12\0", 9));

  // A smaller offer is never overrun, for any kind of packet.
  Fetched m = Fetch(*splitter, 2);
  EXPECT_EQ(m.bytes, "M\x01");
  Fetched g = Fetch(*splitter, 16);
  ASSERT_EQ(g.bytes.size(), 16u);
  EXPECT_EQ(g.bytes[15], '\0');
}

TEST(StreamSplitterPackets, EachPinHasItsOwnCursorAndTimeStamps) {
  TestAvi avi = Recording({1, Layout::kPcm});
  const auto video = Id(0, ChunkKind::kVideo);
  const auto audio = Id(1, ChunkKind::kAudio);
  avi.chunks = {{video, avi::test::KeyFrame('a'), kIndexKeyFrame},
                {audio, std::string(4410, '\0'), kIndexKeyFrame},  // 100 ms of 22050 Hz mono
                {video, avi::test::DeltaFrame('b'), 0},
                {audio, std::string(2205, '\0'), kIndexKeyFrame},
                {video, avi::test::DeltaFrame('c'), 0},
                {audio, std::string(10, '\0'), kIndexKeyFrame}};
  auto splitter = OpenSplitter(BuildAvi(avi));
  EXPECT_EQ(splitter->Duration(), 100 * kMs);

  // Pull audio first: the video cursor does not move.
  // Constant-rate audio: whole samples before the chunk (6615 bytes hold 3307 of them).
  const int64_t audio_times[] = {0, 100 * kMs, 3307 * kUnitsPerSecond / 22050};
  for (int64_t expected : audio_times) {
    const auto packet = splitter->NextPacket(1);
    ASSERT_TRUE(packet);
    EXPECT_EQ(packet->time, expected);
  }
  EXPECT_FALSE(splitter->NextPacket(1));

  const char tags[] = {'a', 'b', 'c'};
  for (int i = 0; i < 3; ++i) {
    const auto packet = splitter->NextPacket(0);
    ASSERT_TRUE(packet);
    EXPECT_EQ(packet->number, static_cast<uint64_t>(i));
    EXPECT_EQ(packet->time, i * kUnitsPerSecond / 30);
    EXPECT_EQ(packet->data.back(), tags[i]);
    EXPECT_EQ(packet->key, i == 0);
  }
  EXPECT_FALSE(splitter->NextPacket(0));
  EXPECT_FALSE(splitter->NextPacket(7));

  // AAC is counted in blocks of 1024 samples.
  TestAvi aac = Recording({1, Layout::kAac});
  const auto aac_id = Id(1, ChunkKind::kAudio);
  aac.chunks = {{aac_id, "x", kIndexKeyFrame}, {aac_id, "yyyy", kIndexKeyFrame}};
  auto aac_splitter = OpenSplitter(BuildAvi(aac));
  aac_splitter->NextPacket(1);
  EXPECT_EQ(aac_splitter->NextPacket(1)->time, 1024 * kUnitsPerSecond / 44100);
}

// Frames 0..8 at 10 fps with key frames 0, 4 and 8; a text packet after each frame.
TestAvi SeekRecording(bool with_index) {
  TestAvi avi = Recording({1, Layout::kNone});
  avi.streams[0].header.rate = 10;
  avi.with_index = with_index;
  for (int frame = 0; frame < 9; ++frame) {
    const bool key = frame % 4 == 0;
    avi.chunks.push_back({Id(0, ChunkKind::kVideo),
                          key ? avi::test::KeyFrame() : avi::test::DeltaFrame(),
                          key ? kIndexKeyFrame : 0u});
    avi.chunks.push_back({Id(1, ChunkKind::kText), std::string("M\x01\x02\x03", 4), 0});
  }
  return avi;
}

TEST(StreamSplitterSeek, GoesToTheKeyFrameAtOrBeforeTheTime) {
  for (bool with_index : {true, false}) {
    SCOPED_TRACE(with_index ? "index flags" : "NAL units");
    auto splitter = OpenSplitter(BuildAvi(SeekRecording(with_index)));
    EXPECT_EQ(splitter->KeyFrames(0), (std::vector<uint64_t>{0, 4, 8}));
    EXPECT_TRUE(splitter->KeyFrames(1).empty());

    EXPECT_EQ(splitter->Seek(650 * kMs), 400 * kMs);
    auto packet = splitter->NextPacket(0);
    ASSERT_TRUE(packet);
    EXPECT_EQ(packet->number, 4u);
    EXPECT_TRUE(packet->key);
    EXPECT_EQ(splitter->NextPacket(1)->time, 400 * kMs);  // text from the key frame's time on

    EXPECT_EQ(splitter->Seek(800 * kMs), 800 * kMs);  // exactly on a key frame
    EXPECT_EQ(splitter->Seek(799 * kMs), 400 * kMs);
    EXPECT_EQ(splitter->Seek(-5), 0);
    EXPECT_EQ(splitter->NextPacket(0)->number, 0u);
    EXPECT_EQ(splitter->Seek(int64_t{1} << 60), 800 * kMs);
  }
  StreamSplitter closed;
  EXPECT_FALSE(closed.Seek(0));
}

TEST(StreamSplitterOpen, InterruptedRecordingPlaysUpToTheLastWholeChunk) {
  TestAvi avi = SeekRecording(false);
  avi.interrupted = true;
  std::string bytes = BuildAvi(avi);
  bytes.resize(bytes.size() - 2);  // cut inside the last text chunk
  auto splitter = OpenSplitter(bytes);
  int frames = 0;
  while (splitter->NextPacket(0)) ++frames;
  EXPECT_EQ(frames, 9);
  int packets = 0;
  while (Fetch(*splitter).result == kTelemetryPacketDelivered) ++packets;
  EXPECT_EQ(packets, 8);
  EXPECT_EQ(splitter->Duration(), 900 * kMs);
}

TEST(StreamSplitterOpen, SkipsChunksAnIndexPointsAtWrongly) {
  TestAvi avi = SeekRecording(true);
  std::string bytes = BuildAvi(avi);
  // Make the second frame's header name another stream: its index entry now lies.
  avi::MemoryByteSource probe(bytes);
  const auto contents = avi::ReadAvi(probe);
  ASSERT_TRUE(contents && contents->from_index);
  bytes.replace(contents->chunks[2].offset, 4, "01tx");
  auto splitter = OpenSplitter(bytes);
  EXPECT_EQ(splitter->NextPacket(0)->number, 0u);
  EXPECT_EQ(splitter->NextPacket(0)->number, 2u);
}

TEST(StreamSplitterOpen, FilesAndCardSources) {
  test::TempDir dir;
  const std::string bytes = BuildAvi(SeekRecording(true));
  ASSERT_TRUE(test::WriteFile(dir.File("REC_20140101_120000_1.avi"), bytes));
  ASSERT_TRUE(test::WriteFile(dir.File("not.avi"), "RIFF\0\0\0\0WAVE"));

  StreamSplitter splitter;
  EXPECT_EQ(splitter.SetParseMode(0), 0);
  EXPECT_EQ(splitter.SetCardSource(kFileSourceDevice, kFileSourceValue), 0);
  EXPECT_TRUE(splitter.Load(dir.File("REC_20140101_120000_1.avi")));
  EXPECT_TRUE(splitter.is_open());
  EXPECT_FALSE(splitter.Load(dir.File("not.avi")));
  EXPECT_FALSE(splitter.is_open());
  EXPECT_FALSE(splitter.Load(dir.File("missing.avi")));
  EXPECT_FALSE(splitter.Load(dir.path().string()));  // a folder

  // A card source without a registered factory fails cleanly; with one, it reads through it.
  splitter.SetCardSource(42, 7);
  EXPECT_FALSE(splitter.Load("NORMAL/REC_20140101_120000_1.avi"));
  intptr_t seen_device = 0;
  int32_t seen_value = 0;
  SetCardSourceFactory([&](intptr_t device, int32_t value, const std::string&) {
    seen_device = device;
    seen_value = value;
    return std::make_unique<avi::MemoryByteSource>(bytes);
  });
  EXPECT_TRUE(splitter.Load("NORMAL/REC_20140101_120000_1.avi"));
  SetCardSourceFactory(nullptr);
  EXPECT_EQ(seen_device, 42);
  EXPECT_EQ(seen_value, 7);
  EXPECT_EQ(PinNames(splitter), (std::vector<std::string>{"Video 1", "Text"}));
  splitter.Close();
  EXPECT_FALSE(splitter.is_open());
  EXPECT_TRUE(splitter.Pins().empty());
  EXPECT_FALSE(splitter.NextPacket(0));
}

}  // namespace
}  // namespace vantrel
