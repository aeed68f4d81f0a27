// The libavcodec objects one encoder of the simulator owns (its context, a frame to fill and a
// packet to receive into), and FFmpeg's error codes as text for the simulator's messages.
#pragma once

#include <memory>
#include <string>

struct AVCodec;
struct AVCodecContext;
struct AVFrame;
struct AVPacket;

namespace vantrel::sim {

struct EncoderCodec {
  AVCodecContext* context = nullptr;
  AVFrame* frame = nullptr;
  AVPacket* packet = nullptr;

  // The three objects for encoder; empty when memory runs out.
  static std::unique_ptr<EncoderCodec> Allocate(const AVCodec* encoder);
  EncoderCodec() = default;
  // Frees the packet and the frame before the context they were made for.
  ~EncoderCodec();
  EncoderCodec(const EncoderCodec&) = delete;
  EncoderCodec& operator=(const EncoderCodec&) = delete;
};

// FFmpeg's description of an error code.
std::string AvErrorText(int code);

}  // namespace vantrel::sim
