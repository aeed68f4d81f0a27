// Turns a decoded picture into what a sink shows or a capture copies: the channel's brightness
// offset on the luma, then swscale to 4 bytes per pixel (B, G, R, unused) at the wanted size,
// stretched with no letterbox, then the mirror. Keeps its scaler between calls, so one converter
// per destination (a sink, the capture) converts without setting up again while the picture's
// and the destination's sizes and the picture's format stay the same.
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
  // What scale_ was set up for. The scaler's own record of it cannot be compared: for some
  // sizes (an odd width to 4 bytes per pixel) it changes its flags while setting up.
  struct ScaleShape {
    int in_width = 0;
    int in_height = 0;
    int format = -1;
    int out_width = 0;
    int out_height = 0;
    bool operator==(const ScaleShape&) const = default;
  };
  ScaleHandle scale_;
  ScaleShape shape_;
  std::vector<uint8_t> luma_;  // the brightened luma plane, when there is an offset
};

}  // namespace vantrel
