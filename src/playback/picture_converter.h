// Turns a decoded picture into what a sink shows or a capture copies: the channel's brightness
// offset on the luma, then swscale to 4 bytes per pixel (B, G, R, unused) at the wanted size,
// stretched with no letterbox, then the mirror. Keeps its scaler between calls, so one converter
// per destination (a sink, the capture) converts without setting up again.
#pragma once

#include <cstdint>
#include <vector>

#include "playback/av_handles.h"
#include "playback/decoder_settings.h"

namespace vantrel {

// Neither a decoded picture nor a window may be larger than this on a side.
inline constexpr int kMaxPictureSide = 16384;

class PictureConverter {
 public:
  // Writes width x height pixels, rows top first, stride bytes apart, into pixels (which must
  // hold height x stride bytes). False when the picture or the size cannot be converted.
  bool Convert(const AVFrame& frame, const DecoderSettings& settings, int width, int height,
               uint8_t* pixels, int stride);

 private:
  ScaleHandle scale_;
  std::vector<uint8_t> luma_;  // the brightened luma plane, when there is an offset
};

}  // namespace vantrel
