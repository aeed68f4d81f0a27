#include "sim/encoder_codec.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/error.h>
#include <libavutil/frame.h>
}

namespace vantrel::sim {

std::unique_ptr<EncoderCodec> EncoderCodec::Allocate(const AVCodec* encoder) {
  auto codec = std::make_unique<EncoderCodec>();
  codec->context = avcodec_alloc_context3(encoder);
  codec->frame = av_frame_alloc();
  codec->packet = av_packet_alloc();
  if (codec->context == nullptr || codec->frame == nullptr || codec->packet == nullptr) {
    return nullptr;
  }
  return codec;
}

EncoderCodec::~EncoderCodec() {
  av_packet_free(&packet);
  av_frame_free(&frame);
  avcodec_free_context(&context);
}

std::string AvErrorText(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return text;
}

}  // namespace vantrel::sim
