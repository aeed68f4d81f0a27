#include "sim/aac_encoder.h"

#include "sim/encoder_codec.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/channel_layout.h>
#include <libavutil/frame.h>
#include <libavutil/log.h>
}

namespace vantrel::sim {

AacEncoder::AacEncoder(std::unique_ptr<EncoderCodec> codec) : codec_(std::move(codec)) {}
AacEncoder::~AacEncoder() = default;

std::unique_ptr<AacEncoder> AacEncoder::Open(int sample_rate, int64_t bit_rate,
                                             std::string* error) {
  const AVCodec* aac = avcodec_find_encoder_by_name("aac");
  if (aac == nullptr) {
    *error = "libavcodec has no aac encoder";
    return nullptr;
  }
  auto codec = EncoderCodec::Allocate(aac);
  if (codec == nullptr) {
    *error = "out of memory";
    return nullptr;
  }
  AVCodecContext* c = codec->context;
  c->sample_rate = sample_rate;
  c->sample_fmt = AV_SAMPLE_FMT_FLTP;
  c->ch_layout = AV_CHANNEL_LAYOUT_MONO;
  c->bit_rate = bit_rate;
  c->time_base = AVRational{1, sample_rate};
  c->thread_count = 1;
  // The encoder's closing statistics are of no interest to the simulator's users.
  c->log_level_offset = AV_LOG_VERBOSE - AV_LOG_INFO;
  // The AudioSpecificConfig goes into extradata instead of an ADTS header on every frame.
  c->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  int result = avcodec_open2(c, aac, nullptr);
  if (result < 0) {
    *error = "cannot open the AAC encoder: " + AvErrorText(result);
    return nullptr;
  }
  if (c->extradata == nullptr || c->extradata_size <= 0) {
    *error = "the AAC encoder gave no AudioSpecificConfig";
    return nullptr;
  }
  std::vector<uint8_t> config(c->extradata, c->extradata + c->extradata_size);
  auto encoder = std::unique_ptr<AacEncoder>(new AacEncoder(std::move(codec)));
  encoder->config_ = std::move(config);
  return encoder;
}

int64_t AacEncoder::bit_rate() const { return codec_->context->bit_rate; }

bool AacEncoder::Encode(const int16_t* samples, int count,
                        std::vector<std::vector<uint8_t>>* packets, std::string* error) {
  pending_.insert(pending_.end(), samples, samples + count);
  while (pending_.size() >= static_cast<size_t>(kFrameSamples)) {
    if (!SendFrame(kFrameSamples, packets, error)) return false;
    pending_.erase(pending_.begin(), pending_.begin() + kFrameSamples);
  }
  return true;
}

bool AacEncoder::Finish(std::vector<std::vector<uint8_t>>* packets, std::string* error) {
  if (!pending_.empty() && !SendFrame(static_cast<int>(pending_.size()), packets, error)) {
    return false;
  }
  pending_.clear();
  const int result = avcodec_send_frame(codec_->context, nullptr);
  if (result < 0) {
    *error = "AAC encoding failed: " + AvErrorText(result);
    return false;
  }
  return Drain(packets, error);
}

// Sends the first count pending samples as one frame.
bool AacEncoder::SendFrame(int count, std::vector<std::vector<uint8_t>>* packets,
                           std::string* error) {
  AVFrame* frame = codec_->frame;
  av_frame_unref(frame);
  frame->format = AV_SAMPLE_FMT_FLTP;
  frame->sample_rate = codec_->context->sample_rate;
  frame->nb_samples = count;
  av_channel_layout_copy(&frame->ch_layout, &codec_->context->ch_layout);
  int result = av_frame_get_buffer(frame, 0);
  if (result < 0) {
    *error = "cannot allocate audio: " + AvErrorText(result);
    return false;
  }
  float* out = reinterpret_cast<float*>(frame->data[0]);
  for (int i = 0; i < count; ++i) out[i] = pending_[i] / 32768.0f;
  frame->pts = next_pts_;
  next_pts_ += count;
  result = avcodec_send_frame(codec_->context, frame);
  if (result < 0) {
    *error = "AAC encoding failed: " + AvErrorText(result);
    return false;
  }
  return Drain(packets, error);
}

bool AacEncoder::Drain(std::vector<std::vector<uint8_t>>* packets, std::string* error) {
  while (true) {
    const int result = avcodec_receive_packet(codec_->context, codec_->packet);
    if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) return true;
    if (result < 0) {
      *error = "AAC encoding failed: " + AvErrorText(result);
      return false;
    }
    packets->emplace_back(codec_->packet->data, codec_->packet->data + codec_->packet->size);
    av_packet_unref(codec_->packet);
  }
}

}  // namespace vantrel::sim
