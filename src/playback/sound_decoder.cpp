#include "playback/sound_decoder.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

#include "playback/media_time.h"

extern "C" {
#include <libavutil/channel_layout.h>
}

namespace vantrel {
namespace {

// What a recording may claim and still be played: anything beyond is a broken header.
constexpr int kMaxSoundChannels = 8;
constexpr int kMinSampleRate = 1000;
constexpr int kMaxSampleRate = 384000;
// PCM is converted this many frames at a time, so that no packet, however large its claimed
// length or odd its rate, makes one conversion's output huge.
constexpr int kPcmSliceFrames = 8192;
// A recorder writes a tenth of a second or so per chunk; a chunk claiming more sound than this
// is broken, and only this much of it is played.
constexpr size_t kMaxPcmPacketSeconds = 10;
// Larger packets are broken; a tenth of a second of 8-channel 384 kHz PCM is far below this.
constexpr size_t kMaxPacketBytes = 16u << 20;

AVSampleFormat DeviceSampleFormat(SampleFormat format) {
  return format == SampleFormat::kS16 ? AV_SAMPLE_FMT_S16 : AV_SAMPLE_FMT_FLT;
}

AVSampleFormat PcmSampleFormat(int bits) {
  if (bits == 8) return AV_SAMPLE_FMT_U8;
  if (bits == 16) return AV_SAMPLE_FMT_S16;
  return AV_SAMPLE_FMT_NONE;
}

bool PlausibleShape(int channels, int sample_rate) {
  return channels >= 1 && channels <= kMaxSoundChannels && sample_rate >= kMinSampleRate &&
         sample_rate <= kMaxSampleRate;
}

}  // namespace

SoundDecoder::SoundDecoder() : packet_(av_packet_alloc()), frame_(av_frame_alloc()) {}

SoundDecoder::~SoundDecoder() = default;

bool SoundDecoder::Open(const MediaType& source, const AudioFormat& device) {
  codec_.reset();
  resampler_.reset();
  if (!packet_ || !frame_ || source.major != MajorType::kAudio) return false;
  if (!PlausibleShape(device.channels, device.sample_rate)) return false;
  source_ = source;
  device_ = device;
  if (source.subtype == MediaSubtype::kPcm) {
    return PlausibleShape(source.channels, static_cast<int>(source.sample_rate)) &&
           PcmSampleFormat(source.bits_per_sample) != AV_SAMPLE_FMT_NONE;
  }
  if (source.subtype != MediaSubtype::kAac) return false;
  const AVCodec* codec = avcodec_find_decoder(AV_CODEC_ID_AAC);
  if (codec == nullptr) return false;
  CodecContextHandle context(avcodec_alloc_context3(codec));
  if (!context) return false;
  // The audio-specific configuration from the format block tells the decoder the stream's
  // shape; the format's own rate and channels are the fallback when it is missing.
  if (!source.extra.empty() && source.extra.size() < 4096) {
    context->extradata =
        static_cast<uint8_t*>(av_mallocz(source.extra.size() + AV_INPUT_BUFFER_PADDING_SIZE));
    if (!context->extradata) return false;
    std::memcpy(context->extradata, source.extra.data(), source.extra.size());
    context->extradata_size = static_cast<int>(source.extra.size());
  } else if (PlausibleShape(source.channels, static_cast<int>(source.sample_rate))) {
    context->sample_rate = static_cast<int>(source.sample_rate);
    av_channel_layout_default(&context->ch_layout, source.channels);
  }
  context->pkt_timebase = AVRational{1, static_cast<int>(kUnitsPerSecond)};
  if (avcodec_open2(context.get(), codec, nullptr) < 0) return false;
  codec_ = std::move(context);
  return true;
}

void SoundDecoder::SetRate(double rate) {
  if (std::isfinite(rate) && rate > 0) rate_ = rate;
}

void SoundDecoder::Reset() {
  if (codec_) avcodec_flush_buffers(codec_.get());
  // The resampler's history belongs to the old place.
  resampler_.reset();
}

bool SoundDecoder::Prepare(AVSampleFormat format, int channels, int sample_rate) {
  if (resampler_ && format == in_format_ && channels == in_channels_ && sample_rate == in_rate_ &&
      rate_ == made_for_rate_) {
    return true;
  }
  resampler_.reset();
  if (!PlausibleShape(channels, sample_rate)) return false;
  const double declared = std::round(sample_rate * rate_);
  if (declared < 1 || declared > INT_MAX) return false;
  AVChannelLayout in_layout;
  AVChannelLayout out_layout;
  av_channel_layout_default(&in_layout, channels);
  av_channel_layout_default(&out_layout, device_.channels);
  SwrContext* context = nullptr;
  const int made = swr_alloc_set_opts2(
      &context, &out_layout, DeviceSampleFormat(device_.sample_format), device_.sample_rate,
      &in_layout, format, static_cast<int>(declared), 0, nullptr);
  av_channel_layout_uninit(&in_layout);
  av_channel_layout_uninit(&out_layout);
  std::unique_ptr<SwrContext, SwrFree> resampler(context);
  if (made < 0 || !resampler) return false;
  // A mono recording plays at its own level from both speakers, not 3 dB quieter.
  if (channels == 1) {
    const std::vector<double> to_every_speaker(static_cast<size_t>(device_.channels), 1.0);
    if (swr_set_matrix(resampler.get(), to_every_speaker.data(), 1) < 0) return false;
  }
  if (swr_init(resampler.get()) < 0) return false;
  resampler_ = std::move(resampler);
  in_format_ = format;
  in_channels_ = channels;
  in_rate_ = sample_rate;
  made_for_rate_ = rate_;
  declared_rate_ = static_cast<int>(declared);
  return true;
}

void SoundDecoder::Convert(const uint8_t** planes, int frames, int64_t time,
                           std::vector<SoundChunk>* out) {
  if (frames <= 0) return;
  // Each frame the device plays covers this much of the recording's time.
  const double units_per_frame =
      static_cast<double>(kUnitsPerSecond) * declared_rate_ / in_rate_ / device_.sample_rate;
  // The resampler holds back a few frames; what comes out now started that much earlier.
  const int64_t held = swr_get_delay(resampler_.get(), declared_rate_);
  const int64_t start = time - held * kUnitsPerSecond / in_rate_;
  const int room = swr_get_out_samples(resampler_.get(), frames);
  if (room <= 0) return;
  SoundChunk chunk;
  chunk.bytes.resize(static_cast<size_t>(room) * device_.BytesPerFrame());
  uint8_t* target[] = {chunk.bytes.data()};
  const int made = swr_convert(resampler_.get(), target, room, planes, frames);
  next_time_ = time + static_cast<int64_t>(frames) * kUnitsPerSecond / in_rate_;
  if (made <= 0) return;
  chunk.bytes.resize(static_cast<size_t>(made) * device_.BytesPerFrame());
  chunk.frames = made;
  chunk.time = start;
  chunk.units_per_frame = units_per_frame;
  out->push_back(std::move(chunk));
}

void SoundDecoder::Decode(const MediaPacket& packet, std::vector<SoundChunk>* out) {
  if (packet.data.empty() || packet.data.size() > kMaxPacketBytes) return;
  if (codec_) {
    DecodeAac(packet, out);
    return;
  }
  const AVSampleFormat format = PcmSampleFormat(source_.bits_per_sample);
  const int channels = source_.channels;
  const size_t frame_bytes = static_cast<size_t>(channels) * av_get_bytes_per_sample(format);
  if (frame_bytes == 0 || !Prepare(format, channels, static_cast<int>(source_.sample_rate))) {
    return;
  }
  // A chunk cut short keeps its whole frames.
  const size_t frames =
      std::min(packet.data.size() / frame_bytes, kMaxPcmPacketSeconds * source_.sample_rate);
  for (size_t first = 0; first < frames; first += kPcmSliceFrames) {
    const int count = static_cast<int>(std::min<size_t>(kPcmSliceFrames, frames - first));
    const uint8_t* planes[] = {packet.data.data() + first * frame_bytes};
    const int64_t time = packet.time + static_cast<int64_t>(first) * kUnitsPerSecond /
                                           static_cast<int64_t>(source_.sample_rate);
    Convert(planes, count, time, out);
  }
}

void SoundDecoder::DecodeAac(const MediaPacket& packet, std::vector<SoundChunk>* out) {
  av_packet_unref(packet_.get());
  if (av_new_packet(packet_.get(), static_cast<int>(packet.data.size())) < 0) return;
  std::memcpy(packet_->data, packet.data.data(), packet.data.size());
  packet_->pts = packet.time;
  if (avcodec_send_packet(codec_.get(), packet_.get()) < 0) return;
  while (avcodec_receive_frame(codec_.get(), frame_.get()) >= 0) {
    const AVFrame& frame = *frame_;
    const int64_t time =
        frame.best_effort_timestamp != AV_NOPTS_VALUE ? frame.best_effort_timestamp : next_time_;
    if (Prepare(static_cast<AVSampleFormat>(frame.format), frame.ch_layout.nb_channels,
                frame.sample_rate)) {
      Convert(const_cast<const uint8_t**>(frame.extended_data), frame.nb_samples, time, out);
    }
    av_frame_unref(frame_.get());
  }
}

}  // namespace vantrel
