#include "playback/picture_converter.h"

#include <algorithm>
#include <array>
#include <cstddef>

extern "C" {
#include <libavutil/pixdesc.h>
}

namespace vantrel {
namespace {

constexpr int kScaleFlags = SWS_BILINEAR;

bool SideFits(int side) { return side > 0 && side <= kMaxPictureSide; }

// Brightness is an offset on 8-bit luma: a planar YUV picture's first plane.
bool HasEightBitLumaPlane(AVPixelFormat format) {
  const AVPixFmtDescriptor* desc = av_pix_fmt_desc_get(format);
  return desc != nullptr && (desc->flags & AV_PIX_FMT_FLAG_PLANAR) != 0 &&
         (desc->flags & AV_PIX_FMT_FLAG_RGB) == 0 && desc->nb_components >= 3 &&
         desc->comp[0].plane == 0 && desc->comp[0].depth == 8 && desc->comp[0].step == 1;
}

void MirrorRows(uint8_t* pixels, int width, int height, int stride) {
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(pixels + static_cast<ptrdiff_t>(y) * stride);
    std::reverse(row, row + width);
  }
}

}  // namespace

bool PictureConverter::Convert(const AVFrame& frame, const DecoderSettings& settings, int width,
                               int height, uint8_t* pixels, int stride) {
  if (!SideFits(frame.width) || !SideFits(frame.height) || !SideFits(width) || !SideFits(height) ||
      stride < width * 4 || pixels == nullptr) {
    return false;
  }
  const auto format = static_cast<AVPixelFormat>(frame.format);
  const ScaleShape shape{frame.width, frame.height, frame.format, width, height};
  if (!scale_ || !(shape == shape_)) {
    scale_.reset(sws_getContext(frame.width, frame.height, format, width, height, AV_PIX_FMT_BGRA,
                                kScaleFlags, nullptr, nullptr, nullptr));
    if (!scale_) return false;
    shape_ = shape;
  }

  std::array<const uint8_t*, 4> planes = {frame.data[0], frame.data[1], frame.data[2],
                                          frame.data[3]};
  std::array<int, 4> strides = {frame.linesize[0], frame.linesize[1], frame.linesize[2],
                                frame.linesize[3]};
  const int offset = settings.EffectiveBrightness();
  if (offset != 0 && HasEightBitLumaPlane(format) && frame.linesize[0] > 0) {
    std::array<uint8_t, 256> table;
    for (int v = 0; v < 256; ++v) table[v] = static_cast<uint8_t>(std::clamp(v + offset, 0, 255));
    luma_.resize(static_cast<size_t>(frame.width) * frame.height);
    for (int y = 0; y < frame.height; ++y) {
      const uint8_t* in = frame.data[0] + static_cast<ptrdiff_t>(y) * frame.linesize[0];
      uint8_t* out = luma_.data() + static_cast<size_t>(y) * frame.width;
      for (int x = 0; x < frame.width; ++x) out[x] = table[in[x]];
    }
    planes[0] = luma_.data();
    strides[0] = frame.width;
  }

  uint8_t* const out_planes[4] = {pixels, nullptr, nullptr, nullptr};
  const int out_strides[4] = {stride, 0, 0, 0};
  if (sws_scale(scale_.get(), planes.data(), strides.data(), 0, frame.height, out_planes,
                out_strides) != height) {
    return false;
  }
  if (settings.EffectiveMirror()) MirrorRows(pixels, width, height, stride);
  return true;
}

}  // namespace vantrel
