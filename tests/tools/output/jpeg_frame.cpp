#include "jpeg_frame.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

#include <memory>

#include "temp_dir.h"

namespace vantrel::test {

std::optional<JpegFrame> ReadJpegFrame(const std::string& path) {
  const std::string bytes = ReadFile(path);
  if (bytes.empty()) return std::nullopt;
  const AVCodec* codec = avcodec_find_decoder(AV_CODEC_ID_MJPEG);
  if (codec == nullptr) return std::nullopt;
  std::unique_ptr<AVCodecContext, void (*)(AVCodecContext*)> context(
      avcodec_alloc_context3(codec), [](AVCodecContext* c) { avcodec_free_context(&c); });
  std::unique_ptr<AVPacket, void (*)(AVPacket*)> packet(av_packet_alloc(),
                                                        [](AVPacket* p) { av_packet_free(&p); });
  std::unique_ptr<AVFrame, void (*)(AVFrame*)> frame(av_frame_alloc(),
                                                     [](AVFrame* f) { av_frame_free(&f); });
  if (!context || !packet || !frame || avcodec_open2(context.get(), codec, nullptr) < 0 ||
      av_new_packet(packet.get(), static_cast<int>(bytes.size())) < 0) {
    return std::nullopt;
  }
  std::copy(bytes.begin(), bytes.end(), packet->data);
  if (avcodec_send_packet(context.get(), packet.get()) < 0 ||
      avcodec_receive_frame(context.get(), frame.get()) < 0) {
    return std::nullopt;
  }
  JpegFrame result;
  result.width = frame->width;
  result.height = frame->height;
  // The first plane of the decoded picture is its luma.
  result.mark = sim::ReadFrameMark(frame->data[0], frame->linesize[0], frame->width, frame->height);
  return result;
}

}  // namespace vantrel::test
