#include "sim/audio_track.h"

namespace vantrel::sim {
namespace {

constexpr int64_t kAacBitRate = 48000;
constexpr uint16_t kPcmBlockAlign = 2;  // 16-bit mono

}  // namespace

std::unique_ptr<AudioTrack> AudioTrack::Open(const RecordingDescription& description,
                                             std::string* error) {
  std::unique_ptr<AacEncoder> aac;
  switch (description.audio) {
    case AudioKind::kNone:
      *error = "the recording has no audio";
      return nullptr;
    case AudioKind::kPcm:
      break;
    case AudioKind::kAac:
      aac = AacEncoder::Open(kAudioSampleRate, kAacBitRate, error);
      if (!aac) return nullptr;
      break;
  }
  return std::unique_ptr<AudioTrack>(
      new AudioTrack(description.audio, description.seed, std::move(aac)));
}

AudioTrack::AudioTrack(AudioKind kind, uint64_t seed, std::unique_ptr<AacEncoder> aac)
    : kind_(kind), sound_(seed), aac_(std::move(aac)) {}

bool AudioTrack::Record(int count, std::vector<std::vector<uint8_t>>* chunks, std::string* error) {
  std::vector<int16_t> samples(count);
  sound_.Render(samples.data(), count);
  if (aac_) return aac_->Encode(samples.data(), count, chunks, error);
  std::vector<uint8_t> bytes;
  bytes.reserve(samples.size() * 2);
  for (int16_t sample : samples) {
    bytes.push_back(static_cast<uint8_t>(sample & 0xFF));
    bytes.push_back(static_cast<uint8_t>((sample >> 8) & 0xFF));
  }
  chunks->push_back(std::move(bytes));
  return true;
}

bool AudioTrack::Finish(std::vector<std::vector<uint8_t>>* chunks, std::string* error) {
  return !aac_ || aac_->Finish(chunks, error);
}

avi::StreamHeader AudioTrack::StreamHeader() const {
  avi::StreamHeader header;
  header.type = avi::kAudioStream;
  if (kind_ == AudioKind::kAac) {
    // One AAC frame of 1024 samples per chunk, each chunk a unit of the stream's time.
    header.scale = AacEncoder::kFrameSamples;
    header.rate = kAudioSampleRate;
    header.suggested_buffer_size = 2048;
    header.sample_size = 0;
  } else {
    header.scale = kPcmBlockAlign;
    header.rate = kAudioSampleRate * kPcmBlockAlign;
    header.suggested_buffer_size = kAudioBlockSamples * kPcmBlockAlign;
    header.sample_size = kPcmBlockAlign;
  }
  header.quality = 0xFFFFFFFF;
  return header;
}

std::string AudioTrack::Format() const {
  avi::WaveFormat format;
  format.channels = 1;
  format.samples_per_second = kAudioSampleRate;
  if (kind_ == AudioKind::kAac) {
    format.format_tag = avi::kWaveFormatRawAac;
    format.average_bytes_per_second = static_cast<uint32_t>(aac_->bit_rate() / 8);
    format.block_align = AacEncoder::kFrameSamples;
    format.bits_per_sample = 16;
    const std::vector<uint8_t>& config = aac_->audio_specific_config();
    format.extra.assign(config.begin(), config.end());
    return avi::ToBytes(format);
  }
  format.format_tag = avi::kWaveFormatPcm;
  format.average_bytes_per_second = kAudioSampleRate * kPcmBlockAlign;
  format.block_align = kPcmBlockAlign;
  format.bits_per_sample = 16;
  // Plain PCM as the recorder writes it: the 16-byte record, without the cbSize field.
  return avi::ToBytes(format).substr(0, avi::kWaveFormatMinimumSize);
}

uint32_t AudioTrack::Length(uint32_t chunks, uint64_t bytes) const {
  return kind_ == AudioKind::kAac ? chunks : static_cast<uint32_t>(bytes / kPcmBlockAlign);
}

}  // namespace vantrel::sim
