// H.264 encoding of one camera channel through libavcodec's libx264, set up as a recorder encodes:
// constant frame rate, no B-frames (decode order is display order), a key frame at a fixed
// interval, and the sequence and picture parameter sets in-band (Annex B) before every key frame.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sim/picture.h"

namespace vantrel::sim {

struct EncoderCodec;

struct VideoEncoderSettings {
  int width = 320;
  int height = 180;
  int fps = 30;
  int keyint = 30;
  int64_t bit_rate = 300000;
  std::string preset = "superfast";
  // x264's frame and slice threads make the rate control depend on timing: with more than one
  // thread the same pictures do not always give the same bytes.
  int threads = 1;
};

struct EncodedFrame {
  std::vector<uint8_t> data;  // Annex B byte stream of one picture
  bool key = false;
};

class VideoEncoder {
 public:
  // Empty (with *error set) when the encoder cannot be opened.
  static std::unique_ptr<VideoEncoder> Open(const VideoEncoderSettings& settings,
                                            std::string* error);
  ~VideoEncoder();
  VideoEncoder(const VideoEncoder&) = delete;
  VideoEncoder& operator=(const VideoEncoder&) = delete;

  // The picture to paint the next frame into; valid until the next Submit.
  PictureView NextPicture();
  // Encodes the painted picture; frames that come out are appended to out.
  bool Submit(std::vector<EncodedFrame>* out, std::string* error);
  // Drains the encoder at the end of the recording.
  bool Finish(std::vector<EncodedFrame>* out, std::string* error);

 private:
  explicit VideoEncoder(std::unique_ptr<EncoderCodec> codec);
  bool Send(bool flush, std::vector<EncodedFrame>* out, std::string* error);

  std::unique_ptr<EncoderCodec> codec_;
  int64_t next_pts_ = 0;
};

}  // namespace vantrel::sim
