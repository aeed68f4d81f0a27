// The reader and the splitter on the simulator's recordings: every variant the recorder writes
// (one and two channels; PCM, AAC or no audio; interrupted) is read whole, chunk by chunk.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "avi/avi_header.h"
#include "avi/avi_index.h"
#include "avi/avi_reader.h"
#include "avi/h264_frame_kind.h"
#include "avi/index_builder.h"
#include "avi/movie_scan.h"
#include "avi/stream_chunk_id.h"
#include "playback/media_time.h"
#include "playback/stream_splitter.h"
#include "sim/recording_description.h"
#include "sim/recording_writer.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

struct Variant {
  const char* name;
  int channels;
  sim::AudioKind audio;
  bool interrupted;
};

const Variant kVariants[] = {
    {"one_pcm", 1, sim::AudioKind::kPcm, false},
    {"one_none", 1, sim::AudioKind::kNone, false},
    {"two_aac", 2, sim::AudioKind::kAac, false},
    {"one_pcm_cut", 1, sim::AudioKind::kPcm, true},
    {"two_none_cut", 2, sim::AudioKind::kNone, true},
};

sim::RecordingDescription Describe(const Variant& variant) {
  sim::RecordingDescription description;
  description.channels = variant.channels;
  description.audio = variant.audio;
  description.interrupted = variant.interrupted;
  description.seconds = 2.0;
  description.front = {160, 96};
  description.rear = {96, 64};
  description.keyint = 15;
  return description;
}

class SimulatedRecording : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new test::TempDir();
    for (const Variant& variant : kVariants) {
      std::string error;
      ASSERT_TRUE(sim::WriteRecording(Describe(variant), Path(variant), &error)) << error;
    }
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }
  static std::string Path(const Variant& variant) {
    return folder_->File(std::string(variant.name) + ".avi");
  }

  static test::TempDir* folder_;
};

test::TempDir* SimulatedRecording::folder_ = nullptr;

std::map<avi::FourCcValue, size_t> CountById(const std::vector<avi::ChunkRef>& chunks) {
  std::map<avi::FourCcValue, size_t> counts;
  for (const avi::ChunkRef& chunk : chunks) ++counts[chunk.id];
  return counts;
}

TEST_F(SimulatedRecording, HeaderFactsAndTheByte232Rule) {
  for (const Variant& variant : kVariants) {
    SCOPED_TRACE(variant.name);
    auto source = avi::FileByteSource::Open(Path(variant));
    ASSERT_TRUE(source);
    const auto header = avi::ReadAviHeader(*source);
    ASSERT_TRUE(header);
    const size_t streams = variant.channels + (variant.audio == sim::AudioKind::kNone ? 1 : 2);
    EXPECT_EQ(header->main.streams, streams);
    EXPECT_EQ(header->streams.size(), streams);
    EXPECT_EQ(header->main_header_size, 56u);
    EXPECT_EQ(header->audio_less, variant.channels == 1 && variant.audio == sim::AudioKind::kNone);
    EXPECT_EQ(header->riff_size == 0, variant.interrupted);
    EXPECT_EQ(header->index.has_value(), !variant.interrupted);
    const int frames = sim::FrameCount(Describe(variant));
    EXPECT_EQ(header->main.total_frames, variant.interrupted ? 0u : static_cast<uint32_t>(frames));
  }
}

TEST_F(SimulatedRecording, IndexAndScanAgreeOnEveryChunk) {
  for (const Variant& variant : kVariants) {
    if (variant.interrupted) continue;
    SCOPED_TRACE(variant.name);
    auto source = avi::FileByteSource::Open(Path(variant));
    const auto header = avi::ReadAviHeader(*source);
    ASSERT_TRUE(header);
    const auto indexed = avi::ReadIndex(*source, *header);
    const avi::MovieScan scan = avi::ScanMovie(*source, *header);
    EXPECT_EQ(scan.stop, avi::ScanStop::kEnd);
    EXPECT_EQ(avi::IndexEntryCount(*header), indexed.size());
    ASSERT_EQ(indexed.size(), scan.chunks.size());
    std::vector<uint8_t> data;
    for (size_t i = 0; i < indexed.size(); ++i) {
      ASSERT_EQ(indexed[i].offset, scan.chunks[i].offset) << i;
      ASSERT_EQ(indexed[i].size, scan.chunks[i].size) << i;
      // The recorder's key flags and the NAL units of the frame tell the same story.
      if ((indexed[i].id >> 16) == (avi::FourCc("00dc") >> 16)) {
        ASSERT_TRUE(avi::ReadChunkData(*source, indexed[i], data));
        const bool key =
            avi::ClassifyH264Frame(data.data(), data.size(), true) == avi::H264FrameKind::kKey;
        EXPECT_EQ(key, (indexed[i].flags & avi::kIndexKeyFrame) != 0) << i;
      }
    }
  }
}

TEST_F(SimulatedRecording, InterruptedFileReadsUpToItsLastWholeChunk) {
  for (const Variant& cut : kVariants) {
    if (!cut.interrupted) continue;
    SCOPED_TRACE(cut.name);
    // The same recording without the power cut.
    sim::RecordingDescription twin = Describe(cut);
    twin.interrupted = false;
    ASSERT_TRUE(sim::WriteRecording(twin, folder_->File("twin.avi")));
    auto twin_source = avi::FileByteSource::Open(folder_->File("twin.avi"));
    auto cut_source = avi::FileByteSource::Open(Path(cut));
    const auto full = avi::ReadAvi(*twin_source);
    const auto partial = avi::ReadAvi(*cut_source);
    ASSERT_TRUE(full && partial);
    EXPECT_FALSE(partial->from_index);
    // The power cut lost the chunk being written and nothing else.
    ASSERT_EQ(partial->chunks.size() + 1, full->chunks.size());
    std::vector<uint8_t> data;
    for (size_t i = 0; i < partial->chunks.size(); ++i) {
      ASSERT_EQ(partial->chunks[i].id, full->chunks[i].id) << i;
      ASSERT_EQ(partial->chunks[i].size, full->chunks[i].size) << i;
      ASSERT_TRUE(avi::ReadChunkData(*cut_source, partial->chunks[i], data)) << i;
    }
    EXPECT_EQ(avi::ScanMovie(*cut_source, partial->header).stop, avi::ScanStop::kCutShort);
  }
}

TEST_F(SimulatedRecording, SplitterDeliversEveryPacketOfEveryStream) {
  for (const Variant& variant : kVariants) {
    SCOPED_TRACE(variant.name);
    auto source = avi::FileByteSource::Open(Path(variant));
    const auto contents = avi::ReadAvi(*source);
    ASSERT_TRUE(contents);
    const auto expected = CountById(contents->chunks);

    StreamSplitter splitter;
    ASSERT_TRUE(splitter.Load(Path(variant)));
    const auto pins = splitter.Pins();
    ASSERT_EQ(pins.size(), contents->header.streams.size());
    EXPECT_EQ(pins[0].name, "Video 1");
    EXPECT_EQ(pins[0].type.subtype, MediaSubtype::kH264);
    EXPECT_EQ(pins[0].type.width, 160);
    if (variant.channels == 2) {
      EXPECT_EQ(pins[1].name, "Video 2");
      EXPECT_EQ(pins[1].type.height, 64);
    }
    if (variant.audio != sim::AudioKind::kNone) {
      const MediaType& audio = pins[variant.channels].type;
      EXPECT_EQ(pins[variant.channels].name, "Audio");
      EXPECT_EQ(audio.subtype,
                variant.audio == sim::AudioKind::kPcm ? MediaSubtype::kPcm : MediaSubtype::kAac);
      EXPECT_EQ(audio.sample_rate, 22050u);
    }
    EXPECT_EQ(pins.back().name, "Text");

    const int64_t duration = splitter.Duration();
    for (size_t pin = 0; pin < pins.size(); ++pin) {
      size_t count = 0;
      int64_t last_time = -1;
      while (auto packet = splitter.NextPacket(pin)) {
        EXPECT_GE(packet->time, last_time);
        last_time = packet->time;
        ++count;
      }
      EXPECT_LE(last_time, duration + kUnitsPerSecond / 5) << pins[pin].name;
      const avi::ChunkKind kind = pin < static_cast<size_t>(variant.channels)
                                      ? avi::ChunkKind::kVideo
                                  : pins[pin].name == "Audio" ? avi::ChunkKind::kAudio
                                                              : avi::ChunkKind::kText;
      EXPECT_EQ(count, expected.at(avi::MakeStreamChunkId(pin, kind))) << pins[pin].name;
    }

    size_t telemetry = 0;
    uint32_t last_stamp = 0;
    uint8_t buffer[1024];
    int32_t size = sizeof buffer;
    uint32_t stamp = 0;
    while (splitter.FetchTelemetryPacket(buffer, &size, &stamp) == kTelemetryPacketDelivered) {
      ASSERT_TRUE(buffer[0] == 'M' || buffer[0] == 'G');
      EXPECT_GE(stamp, last_stamp);
      last_stamp = stamp;
      ++telemetry;
      size = sizeof buffer;
    }
    EXPECT_EQ(telemetry,
              expected.at(avi::MakeStreamChunkId(pins.size() - 1, avi::ChunkKind::kText)));
    EXPECT_GT(last_stamp, 1000u);
  }
}

TEST_F(SimulatedRecording, KeyFramesAndSeekWithAndWithoutIndex) {
  for (const Variant& variant : {kVariants[0], kVariants[3]}) {
    SCOPED_TRACE(variant.name);
    StreamSplitter splitter;
    ASSERT_TRUE(splitter.Load(Path(variant)));
    EXPECT_EQ(splitter.KeyFrames(0), (std::vector<uint64_t>{0, 15, 30, 45}));
    EXPECT_EQ(splitter.Seek(1400 * kUnitsPerMillisecond), kUnitsPerSecond);  // frame 30
    const auto frame = splitter.NextPacket(0);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->number, 30u);
    EXPECT_TRUE(frame->key);
    const auto sound = splitter.NextPacket(1);
    ASSERT_TRUE(sound);
    EXPECT_LE(sound->time, kUnitsPerSecond);
    EXPECT_GT(sound->time, kUnitsPerSecond - kUnitsPerSecond / 5);
  }
}

}  // namespace
}  // namespace vantrel
