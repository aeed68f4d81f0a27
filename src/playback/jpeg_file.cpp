#include "playback/jpeg_file.h"

#include <cstdio>
#include <memory>

#include "playback/av_handles.h"
#include "playback/picture_converter.h"

namespace vantrel {
namespace {

// MJPEG's quantiser scale: 2 is near the top of its quality range.
constexpr int kJpegQuality = 2;

struct FileClose {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool WriteJpegFile(const ChannelImage& image, const std::string& path) {
  if (image.width <= 0 || image.height <= 0 || image.width > kMaxPictureSide ||
      image.height > kMaxPictureSide ||
      image.pixels.size() != static_cast<size_t>(image.width) * image.height * 4) {
    return false;
  }
  const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_MJPEG);
  if (codec == nullptr) return false;
  CodecContextHandle context(avcodec_alloc_context3(codec));
  FrameHandle frame(av_frame_alloc());
  PacketHandle packet(av_packet_alloc());
  if (!context || !frame || !packet) return false;
  context->width = image.width;
  context->height = image.height;
  context->pix_fmt = AV_PIX_FMT_YUVJ420P;
  context->time_base = AVRational{1, 25};
  context->flags |= AV_CODEC_FLAG_QSCALE;
  context->global_quality = FF_QP2LAMBDA * kJpegQuality;
  if (avcodec_open2(context.get(), codec, nullptr) < 0) return false;

  frame->width = image.width;
  frame->height = image.height;
  frame->format = AV_PIX_FMT_YUVJ420P;
  frame->quality = context->global_quality;
  if (av_frame_get_buffer(frame.get(), 0) < 0) return false;
  ScaleHandle scale(sws_getContext(image.width, image.height, AV_PIX_FMT_BGRA, image.width,
                                   image.height, AV_PIX_FMT_YUVJ420P, SWS_BICUBIC, nullptr, nullptr,
                                   nullptr));
  if (!scale) return false;
  const uint8_t* planes[1] = {image.pixels.data()};
  const int strides[1] = {image.width * 4};
  sws_scale(scale.get(), planes, strides, 0, image.height, frame->data, frame->linesize);

  if (avcodec_send_frame(context.get(), frame.get()) < 0) return false;
  if (avcodec_send_frame(context.get(), nullptr) < 0) return false;
  if (avcodec_receive_packet(context.get(), packet.get()) < 0) return false;

  std::unique_ptr<std::FILE, FileClose> file(std::fopen(path.c_str(), "wb"));
  if (!file) return false;
  const bool written = std::fwrite(packet->data, 1, static_cast<size_t>(packet->size),
                                   file.get()) == static_cast<size_t>(packet->size);
  return std::fclose(file.release()) == 0 && written;
}

}  // namespace vantrel
