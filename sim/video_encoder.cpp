#include "sim/video_encoder.h"

#include "sim/encoder_codec.h"

#include <algorithm>
#include <cstdint>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/frame.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
}

namespace vantrel::sim {

VideoEncoder::VideoEncoder(std::unique_ptr<EncoderCodec> codec) : codec_(std::move(codec)) {}
VideoEncoder::~VideoEncoder() = default;

std::unique_ptr<VideoEncoder> VideoEncoder::Open(const VideoEncoderSettings& settings,
                                                 std::string* error) {
  const AVCodec* x264 = avcodec_find_encoder_by_name("libx264");
  if (x264 == nullptr) {
    *error = "libavcodec has no libx264 encoder";
    return nullptr;
  }
  auto codec = EncoderCodec::Allocate(x264);
  if (codec == nullptr) {
    *error = "out of memory";
    return nullptr;
  }
  AVCodecContext* c = codec->context;
  c->width = settings.width;
  c->height = settings.height;
  c->pix_fmt = AV_PIX_FMT_YUV420P;
  c->time_base = AVRational{1, settings.fps};
  c->framerate = AVRational{settings.fps, 1};
  c->gop_size = settings.keyint;
  c->keyint_min = settings.keyint;
  c->max_b_frames = 0;
  c->bit_rate = settings.bit_rate;
  // A recorder's rate control: the average held within a one-second buffer.
  c->rc_max_rate = settings.bit_rate;
  c->rc_buffer_size = static_cast<int>(std::min<int64_t>(settings.bit_rate, INT32_MAX));
  c->thread_count = settings.threads;
  c->log_level_offset = AV_LOG_VERBOSE - AV_LOG_INFO;  // x264's statistics, as for AAC
  // No global header: x264 then repeats SPS and PPS in-band before every key frame.
  av_opt_set(c->priv_data, "preset", settings.preset.c_str(), 0);
  // Key frames only at the fixed interval, each an IDR picture.
  av_opt_set(c->priv_data, "x264-params", "scenecut=0:open-gop=0", 0);
  int result = avcodec_open2(c, x264, nullptr);
  if (result < 0) {
    *error = "cannot open the H.264 encoder: " + AvErrorText(result);
    return nullptr;
  }
  codec->frame->format = c->pix_fmt;
  codec->frame->width = c->width;
  codec->frame->height = c->height;
  result = av_frame_get_buffer(codec->frame, 0);
  if (result < 0) {
    *error = "cannot allocate a picture: " + AvErrorText(result);
    return nullptr;
  }
  return std::unique_ptr<VideoEncoder>(new VideoEncoder(std::move(codec)));
}

PictureView VideoEncoder::NextPicture() {
  AVFrame* frame = codec_->frame;
  // The encoder may still hold the last picture's buffers; paint into fresh ones then.
  av_frame_make_writable(frame);
  PictureView view;
  view.luma = frame->data[0];
  view.cb = frame->data[1];
  view.cr = frame->data[2];
  view.luma_stride = frame->linesize[0];
  view.chroma_stride = frame->linesize[1];
  view.width = frame->width;
  view.height = frame->height;
  return view;
}

bool VideoEncoder::Submit(std::vector<EncodedFrame>* out, std::string* error) {
  return Send(false, out, error);
}

bool VideoEncoder::Finish(std::vector<EncodedFrame>* out, std::string* error) {
  return Send(true, out, error);
}

bool VideoEncoder::Send(bool flush, std::vector<EncodedFrame>* out, std::string* error) {
  AVCodecContext* c = codec_->context;
  if (!flush) codec_->frame->pts = next_pts_++;
  int result = avcodec_send_frame(c, flush ? nullptr : codec_->frame);
  if (result < 0) {
    *error = "H.264 encoding failed: " + AvErrorText(result);
    return false;
  }
  while (true) {
    result = avcodec_receive_packet(c, codec_->packet);
    if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) return true;
    if (result < 0) {
      *error = "H.264 encoding failed: " + AvErrorText(result);
      return false;
    }
    EncodedFrame frame;
    frame.data.assign(codec_->packet->data, codec_->packet->data + codec_->packet->size);
    frame.key = (codec_->packet->flags & AV_PKT_FLAG_KEY) != 0;
    out->push_back(std::move(frame));
    av_packet_unref(codec_->packet);
  }
}

}  // namespace vantrel::sim
