// The sound path on its own: the time line that turns played frames into a position, the
// silent device's real-time pace, and the decoding of the simulator's PCM and AAC sound into a
// device's format (straight through, resampled, played faster).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "playback/media_time.h"
#include "playback/null_audio_output.h"
#include "playback/sound_decoder.h"
#include "playback/sound_timeline.h"
#include "playback/splitter_filter.h"
#include "playback/volume_level.h"
#include "sim/recording_description.h"
#include "sim/recording_writer.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

TEST(SoundTimeline, PlayedFramesGiveTheTimeAcrossRateChangesAndHoldWhenStarved) {
  SoundTimeline timeline;
  timeline.Reset(995);
  EXPECT_EQ(timeline.PositionAt(0), 995);  // nothing written: stands where it was put
  EXPECT_EQ(timeline.PositionAt(100), 995);

  timeline.Append(1000, 10.0, 100);  // a seek's first sound, at normal speed
  timeline.Append(2000, 20.0, 50);   // then twice as fast
  EXPECT_EQ(timeline.PositionAt(0), 995);
  EXPECT_EQ(timeline.PositionAt(1), 1010);
  EXPECT_EQ(timeline.PositionAt(50), 1500);
  EXPECT_EQ(timeline.PositionAt(100), 2000);
  EXPECT_EQ(timeline.PositionAt(125), 2500);
  EXPECT_EQ(timeline.PositionAt(150), 3000);
  EXPECT_EQ(timeline.PositionAt(400), 3000);  // the device ran dry: the time waits

  timeline.Append(3000, 20.0, 10);  // continues the last stretch
  timeline.Append(9000, 20.0, 10);  // a gap in the recording's sound
  EXPECT_EQ(timeline.PositionAt(159), 3180);
  EXPECT_EQ(timeline.PositionAt(160), 9000);
  EXPECT_EQ(timeline.PositionAt(165), 9100);
  EXPECT_EQ(timeline.written(), 170);

  timeline.Trim(130);
  EXPECT_EQ(timeline.PositionAt(130), 2600);
  EXPECT_EQ(timeline.PositionAt(170), 9200);
}

TEST(NullAudioOutput, PlaysAtItsRateHoldsWhenPausedAndStarvesLikeACard) {
  int64_t now = 0;
  NullAudioOutput device([&] { return now; });
  const auto format = device.Open({1000, 1, SampleFormat::kS16});
  ASSERT_TRUE(format);
  EXPECT_EQ(*format, (AudioFormat{1000, 1, SampleFormat::kS16}));
  const std::vector<uint8_t> silence(2 * 1000);

  // Opened paused; the queue holds a fifth of a second.
  EXPECT_EQ(device.Write(silence.data(), 500), 200u);
  EXPECT_EQ(device.Write(silence.data(), 1), 0u);
  now += kUnitsPerSecond;
  EXPECT_EQ(device.FramesPlayed(), 0);

  device.Resume();
  now += 100 * kUnitsPerMillisecond;
  EXPECT_EQ(device.FramesPlayed(), 100);
  EXPECT_EQ(device.Write(silence.data(), 500), 100u);
  now += 500 * kUnitsPerMillisecond;
  EXPECT_EQ(device.FramesPlayed(), 300);  // starved after everything written
  now += kUnitsPerSecond;
  EXPECT_EQ(device.Write(silence.data(), 50), 50u);
  EXPECT_EQ(device.FramesPlayed(), 300);  // late frames play from when they come
  now += 20 * kUnitsPerMillisecond;
  EXPECT_EQ(device.FramesPlayed(), 320);

  device.Pause();
  now += kUnitsPerSecond;
  EXPECT_EQ(device.FramesPlayed(), 320);
  EXPECT_EQ(device.queued(), 30);
  device.Flush();
  EXPECT_EQ(device.FramesPlayed(), 0);
  EXPECT_EQ(device.queued(), 0);

  // A device that plays one format only answers with it.
  NullAudioOutput card([&] { return now; }, AudioFormat{48000, 2, SampleFormat::kFloat});
  EXPECT_EQ(card.Open({22050, 1, SampleFormat::kS16}),
            (AudioFormat{48000, 2, SampleFormat::kFloat}));
}

TEST(SoundGain, AttenuationBecomesLinearGain) {
  EXPECT_FLOAT_EQ(GainFromAttenuation(0), 1.0f);
  EXPECT_FLOAT_EQ(GainFromAttenuation(-2000), 0.1f);
  EXPECT_NEAR(GainFromAttenuation(-600), 0.501f, 0.001f);
  EXPECT_NEAR(GainFromAttenuation(VolumeAttenuation(50)), 0.7066f, 0.001f);
  EXPECT_NEAR(GainFromAttenuation(VolumeAttenuation(99)), 0.9954f, 0.001f);
  EXPECT_EQ(GainFromAttenuation(kSilentVolume), 0.0f);  // silence is silence, not -100 dB
  EXPECT_EQ(GainFromAttenuation(VolumeAttenuation(0)), 0.0f);
  EXPECT_EQ(GainFromAttenuation(-20000), 0.0f);
  EXPECT_EQ(GainFromAttenuation(300), 1.0f);
}

// The simulator's sound of a short recording, as its splitter delivers it.
class SimulatedSound : public ::testing::Test {
 protected:
  static constexpr int kSampleRate = 22050;
  static constexpr double kSeconds = 2.0;

  static void SetUpTestSuite() {
    folder_ = new test::TempDir();
    for (sim::AudioKind kind : {sim::AudioKind::kPcm, sim::AudioKind::kAac}) {
      sim::RecordingDescription description;
      description.seconds = kSeconds;
      description.audio = kind;
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

  // Every packet of the audio pin through a decoder for the device; false when it cannot play.
  bool DecodeAll(sim::AudioKind kind, const AudioFormat& device, double rate,
                 std::vector<SoundChunk>* chunks, std::vector<uint8_t>* packet_bytes = nullptr) {
    auto splitter = MakeRecordingSplitter();
    if (!splitter->Load(PathOf(kind))) return false;
    const std::vector<OutputPin> pins = splitter->Pins();
    for (size_t pin = 0; pin < pins.size(); ++pin) {
      if (pins[pin].type.major != MajorType::kAudio) continue;
      SoundDecoder decoder;
      if (!decoder.Open(pins[pin].type, device)) return false;
      decoder.SetRate(rate);
      while (auto packet = splitter->NextPacket(pin)) {
        if (packet_bytes)
          packet_bytes->insert(packet_bytes->end(), packet->data.begin(), packet->data.end());
        decoder.Decode(*packet, chunks);
      }
      return true;
    }
    return false;
  }

  static int64_t Frames(const std::vector<SoundChunk>& chunks) {
    int64_t frames = 0;
    for (const SoundChunk& chunk : chunks) frames += chunk.frames;
    return frames;
  }

  // Root mean square of the first channel, full scale = 1.
  static double Loudness(const std::vector<SoundChunk>& chunks, const AudioFormat& format) {
    double sum = 0;
    int64_t count = 0;
    for (const SoundChunk& chunk : chunks) {
      for (int64_t i = 0; i < chunk.frames; ++i) {
        const uint8_t* at = chunk.bytes.data() + i * format.BytesPerFrame();
        double value = 0;
        if (format.sample_format == SampleFormat::kFloat) {
          float sample;
          std::memcpy(&sample, at, sizeof sample);
          value = sample;
        } else {
          int16_t sample;
          std::memcpy(&sample, at, sizeof sample);
          value = sample / 32768.0;
        }
        sum += value * value;
        ++count;
      }
    }
    return count ? std::sqrt(sum / count) : 0;
  }

  // The chunks follow each other on the time line without gaps or overlaps.
  static void ExpectContinuous(const std::vector<SoundChunk>& chunks) {
    for (size_t i = 1; i < chunks.size(); ++i) {
      const SoundChunk& before = chunks[i - 1];
      const double end = before.time + before.units_per_frame * before.frames;
      EXPECT_NEAR(chunks[i].time, end, 2 * kUnitsPerMillisecond) << "chunk " << i;
    }
  }

  static test::TempDir* folder_;
};
test::TempDir* SimulatedSound::folder_ = nullptr;

TEST_F(SimulatedSound, PcmPassesStraightThroughOrIsResampledToTheDevice) {
  const AudioFormat same{kSampleRate, 1, SampleFormat::kS16};
  std::vector<SoundChunk> chunks;
  std::vector<uint8_t> recorded;
  ASSERT_TRUE(DecodeAll(sim::AudioKind::kPcm, same, 1.0, &chunks, &recorded));
  std::vector<uint8_t> played;
  for (const SoundChunk& chunk : chunks)
    played.insert(played.end(), chunk.bytes.begin(), chunk.bytes.end());
  EXPECT_EQ(played, recorded);
  ASSERT_FALSE(chunks.empty());
  EXPECT_EQ(chunks.front().time, 0);
  ExpectContinuous(chunks);
  const double loudness = Loudness(chunks, same);
  EXPECT_GT(loudness, 0.01);

  // A card that plays 48 kHz stereo floats: the same sound, as long and as loud.
  const AudioFormat card{48000, 2, SampleFormat::kFloat};
  std::vector<SoundChunk> resampled;
  ASSERT_TRUE(DecodeAll(sim::AudioKind::kPcm, card, 1.0, &resampled));
  EXPECT_NEAR(Frames(resampled), kSeconds * 48000, 100);
  EXPECT_NEAR(Loudness(resampled, card), loudness, loudness * 0.05);
  EXPECT_DOUBLE_EQ(resampled.front().units_per_frame, kUnitsPerSecond / 48000.0);
  ExpectContinuous(resampled);
  for (const SoundChunk& chunk : resampled) {
    for (int64_t i = 0; i < chunk.frames; ++i) {
      ASSERT_EQ(std::memcmp(chunk.bytes.data() + i * 8, chunk.bytes.data() + i * 8 + 4, 4), 0);
    }
  }
}

TEST_F(SimulatedSound, AacIsDecodedForTheDeviceAndPlayedFasterTakesLessOfIt) {
  const AudioFormat card{48000, 2, SampleFormat::kFloat};
  std::vector<SoundChunk> chunks;
  ASSERT_TRUE(DecodeAll(sim::AudioKind::kAac, card, 1.0, &chunks));
  // An AAC frame of 1024 samples either way for the encoder's start and end.
  EXPECT_NEAR(Frames(chunks), kSeconds * 48000, 2 * 1024 * 48000 / kSampleRate + 100);
  EXPECT_GT(Loudness(chunks, card), 0.01);
  ExpectContinuous(chunks);

  std::vector<SoundChunk> pcm;
  ASSERT_TRUE(DecodeAll(sim::AudioKind::kPcm, card, 1.0, &pcm));
  EXPECT_NEAR(Loudness(chunks, card), Loudness(pcm, card), Loudness(pcm, card) * 0.25);

  // Twice as fast: half the device frames, each covering twice the time.
  std::vector<SoundChunk> fast;
  ASSERT_TRUE(DecodeAll(sim::AudioKind::kAac, card, 2.0, &fast));
  EXPECT_NEAR(Frames(fast), Frames(chunks) / 2.0, 200);
  EXPECT_DOUBLE_EQ(fast.front().units_per_frame, 2.0 * kUnitsPerSecond / 48000.0);
  ExpectContinuous(fast);
}

TEST_F(SimulatedSound, BrokenFormatsAndPacketsAreRefusedOrSkipped) {
  SoundDecoder decoder;
  const AudioFormat card{48000, 2, SampleFormat::kS16};
  MediaType type;
  type.major = MajorType::kAudio;
  type.subtype = MediaSubtype::kPcm;
  type.sample_rate = kSampleRate;
  type.channels = 0;
  type.bits_per_sample = 16;
  EXPECT_FALSE(decoder.Open(type, card));
  type.channels = 1;
  type.bits_per_sample = 12;
  EXPECT_FALSE(decoder.Open(type, card));
  type.bits_per_sample = 16;
  type.sample_rate = 0;
  EXPECT_FALSE(decoder.Open(type, card));
  type.sample_rate = kSampleRate;
  EXPECT_FALSE(decoder.Open(type, AudioFormat{0, 2, SampleFormat::kS16}));
  ASSERT_TRUE(decoder.Open(type, card));
  std::vector<SoundChunk> chunks;
  decoder.Decode(MediaPacket{{1}, 0, true, 0}, &chunks);  // not even one whole frame
  EXPECT_TRUE(chunks.empty());

  // A chunk claiming minutes of sound at the lowest rate plays its first ten seconds only.
  type.sample_rate = 1000;
  ASSERT_TRUE(decoder.Open(type, card));
  decoder.Decode(MediaPacket{std::vector<uint8_t>(4 << 20), 0, true, 0}, &chunks);
  int64_t frames = 0;
  for (const SoundChunk& chunk : chunks) frames += chunk.frames;
  EXPECT_NEAR(frames, 10 * 48000, 1000);  // less what the resampler holds back
  chunks.clear();

  // AAC with a format block of garbage and packets of garbage: nothing played, nothing broken.
  type.subtype = MediaSubtype::kAac;
  type.extra = std::string("\xff\xff\xff\xff", 4);
  if (decoder.Open(type, card)) {
    for (uint8_t seed = 0; seed < 20; ++seed) {
      std::vector<uint8_t> junk(300);
      for (size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<uint8_t>(i * 31 + seed);
      decoder.Decode(MediaPacket{junk, seed * 100000, true, seed}, &chunks);
    }
  }
  SUCCEED();
}

}  // namespace
}  // namespace vantrel
