#include "playback/packet_table.h"

#include <algorithm>
#include <limits>

#include "avi/stream_chunk_id.h"
#include "playback/media_time.h"

namespace vantrel {

namespace {

constexpr uint32_t kAacSamplesPerBlock = 1024;

// Where an audio chunk starts on the time line, from what came before it in its stream.
class AudioClock {
 public:
  explicit AudioClock(const avi::StreamInfo& stream) : header_(stream.header) {
    if (stream.audio) format_ = *stream.audio;
    // Constant-rate audio is counted in bytes; PCM always is, whatever the header claims.
    sample_size_ = header_.sample_size;
    if (sample_size_ == 0 && format_.format_tag == avi::kWaveFormatPcm) {
      sample_size_ = format_.block_align != 0 ? format_.block_align : 1;
    }
  }

  int64_t Time() const {
    if (sample_size_ != 0) {
      if (header_.scale != 0 && header_.rate != 0) {
        return UnitsFromRate(bytes_ / sample_size_, header_.scale, header_.rate);
      }
      return UnitsFromRate(bytes_, 1, format_.average_bytes_per_second);
    }
    if (header_.scale != 0 && header_.rate != 0) {
      return UnitsFromRate(blocks_, header_.scale, header_.rate);
    }
    return UnitsFromRate(blocks_, kAacSamplesPerBlock, format_.samples_per_second);
  }

  void Advance(uint32_t chunk_size) {
    bytes_ += chunk_size;
    ++blocks_;
  }

 private:
  avi::StreamHeader header_;
  avi::WaveFormat format_;
  uint32_t sample_size_ = 0;
  uint64_t bytes_ = 0;
  uint64_t blocks_ = 0;
};

avi::ChunkKind KindOf(MajorType major) {
  switch (major) {
    case MajorType::kVideo:
      return avi::ChunkKind::kVideo;
    case MajorType::kAudio:
      return avi::ChunkKind::kAudio;
    case MajorType::kText:
      break;
  }
  return avi::ChunkKind::kText;
}

std::string PinName(MajorType major, int number) {
  switch (major) {
    case MajorType::kVideo:
      return "Video " + std::to_string(number);
    case MajorType::kAudio:
      return number == 1 ? "Audio" : "Audio " + std::to_string(number);
    case MajorType::kText:
      break;
  }
  return number == 1 ? "Text" : "Text " + std::to_string(number);
}

}  // namespace

int64_t PinTable::FrameTime(uint64_t frame) const {
  if (scale != 0 && rate != 0) return UnitsFromRate(frame, scale, rate);
  return UnitsFromRate(frame, micro_seconds_per_frame, 1'000'000);
}

PacketTables BuildPacketTables(const avi::AviContents& contents) {
  PacketTables tables;
  const auto& streams = contents.header.streams;
  constexpr size_t kNoPin = std::numeric_limits<size_t>::max();
  std::vector<size_t> pin_of_stream(streams.size(), kNoPin);
  std::vector<AudioClock> audio_clocks;
  std::vector<size_t> clock_of_stream(streams.size(), kNoPin);
  int counts[3] = {0, 0, 0};
  for (size_t i = 0; i < streams.size(); ++i) {
    const auto type = DescribeStream(streams[i]);
    if (!type) continue;
    PinTable pin;
    pin.name = PinName(type->major, ++counts[static_cast<int>(type->major)]);
    pin.type = *type;
    pin.stream = i;
    pin.scale = streams[i].header.scale;
    pin.rate = streams[i].header.rate;
    pin.micro_seconds_per_frame = contents.header.main.micro_seconds_per_frame;
    if (type->major == MajorType::kVideo && !tables.front_pin) {
      tables.front_pin = tables.pins.size();
    }
    if (type->major == MajorType::kAudio) {
      clock_of_stream[i] = audio_clocks.size();
      audio_clocks.emplace_back(streams[i]);
    }
    pin_of_stream[i] = tables.pins.size();
    tables.pins.push_back(std::move(pin));
  }

  uint64_t front_frames = 0;
  for (size_t c = 0; c < contents.chunks.size(); ++c) {
    const avi::ChunkRef& chunk = contents.chunks[c];
    const auto id = avi::ParseStreamChunkId(chunk.id);
    if (!id || id->stream >= streams.size() || pin_of_stream[id->stream] == kNoPin) continue;
    const size_t pin_index = pin_of_stream[id->stream];
    PinTable& pin = tables.pins[pin_index];
    if (id->kind != KindOf(pin.type.major)) continue;  // e.g. "00wb" in a video stream
    PacketEntry entry{c, 0};
    switch (pin.type.major) {
      case MajorType::kVideo:
        entry.time = pin.FrameTime(pin.packets.size());
        if (pin_index == tables.front_pin) ++front_frames;
        break;
      case MajorType::kAudio: {
        AudioClock& clock = audio_clocks[clock_of_stream[id->stream]];
        entry.time = clock.Time();
        clock.Advance(chunk.size);
        break;
      }
      case MajorType::kText: {
        if (front_frames != 0) {
          entry.time = tables.pins[*tables.front_pin].FrameTime(front_frames - 1);
        }
        const int64_t ms = entry.time / kUnitsPerMillisecond;
        tables.telemetry.push_back({c, static_cast<uint32_t>(std::min<int64_t>(
                                           ms, std::numeric_limits<uint32_t>::max()))});
        break;
      }
    }
    pin.packets.push_back(entry);
  }
  return tables;
}

}  // namespace vantrel
