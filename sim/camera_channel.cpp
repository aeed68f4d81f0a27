#include "sim/camera_channel.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "sim/bitmap_font.h"
#include "sim/civil_time.h"
#include "sim/frame_mark.h"

namespace vantrel::sim {

std::unique_ptr<CameraChannel> CameraChannel::Open(const RecordingDescription& description,
                                                   Camera camera, const Route& route,
                                                   std::string* error) {
  const FrameSize size = camera == Camera::kFront ? description.front : description.rear;
  VideoEncoderSettings settings;
  settings.width = size.width;
  settings.height = size.height;
  settings.fps = description.fps;
  settings.keyint = description.keyint;
  settings.bit_rate = ChannelBitRate(description, size);
  settings.preset = description.preset;
  auto encoder = VideoEncoder::Open(settings, error);
  if (!encoder) return nullptr;
  return std::unique_ptr<CameraChannel>(
      new CameraChannel(description, camera, route, size, std::move(encoder)));
}

CameraChannel::CameraChannel(const RecordingDescription& description, Camera camera,
                             const Route& route, FrameSize size,
                             std::unique_ptr<VideoEncoder> encoder)
    : description_(description),
      camera_(camera),
      route_(route),
      size_(size),
      scene_(size.width, size.height, camera,
             description.seed * 2 + (camera == Camera::kFront ? 0 : 1)),
      encoder_(std::move(encoder)),
      frame_count_(FrameCount(description)) {}

bool CameraChannel::NextFrame(EncodedFrame* frame, std::string* error) {
  while (ready_.empty()) {
    std::vector<EncodedFrame> out;
    if (painted_ < frame_count_) {
      Paint(painted_, encoder_->NextPicture());
      ++painted_;
      if (!encoder_->Submit(&out, error)) return false;
    } else if (!finished_) {
      finished_ = true;
      if (!encoder_->Finish(&out, error)) return false;
    } else {
      *error = "the H.264 encoder returned fewer frames than it was given";
      return false;
    }
    for (EncodedFrame& encoded : out) ready_.push_back(std::move(encoded));
  }
  *frame = std::move(ready_.front());
  ready_.pop_front();
  return true;
}

void CameraChannel::Paint(int frame, const PictureView& picture) const {
  const double seconds = static_cast<double>(frame) / description_.fps;
  scene_.Paint(picture, route_.At(seconds).travel, frame);

  const int64_t milliseconds = int64_t{frame} * 1000 / description_.fps;
  const ClockTime clock = FromSeconds(ToSeconds(description_.start) + milliseconds / 1000);
  char channel_line[32];
  std::snprintf(channel_line, sizeof channel_line, "%s %06d",
                camera_ == Camera::kFront ? "FRONT" : "REAR", frame);
  char clock_line[48];
  std::snprintf(clock_line, sizeof clock_line, "%04d-%02d-%02d %02d:%02d:%02d.%03d", clock.year,
                clock.month, clock.day, clock.hour, clock.minute, clock.second,
                static_cast<int>(milliseconds % 1000));
  const int scale = std::max(1, picture.height / 240);
  const int margin = 4 * scale;
  DrawCaption(picture, margin, margin, scale, channel_line);
  DrawCaption(picture, margin, margin + (kGlyphHeight + 3) * scale, scale, clock_line);
  DrawFrameMark(picture, FrameMark{camera_ == Camera::kFront ? 1 : 2, frame});
}

avi::StreamHeader CameraChannel::StreamHeader() const {
  avi::StreamHeader header;
  header.type = avi::kVideoStream;
  header.handler = avi::FourCc("H264");
  header.scale = 1;
  header.rate = static_cast<uint32_t>(description_.fps);
  // Room for a key frame of twice the average rate's share.
  header.suggested_buffer_size =
      static_cast<uint32_t>(ChannelBitRate(description_, size_) / 8 / description_.fps * 2);
  header.quality = 0xFFFFFFFF;  // the encoder's default
  header.frame_right = static_cast<int16_t>(size_.width);
  header.frame_bottom = static_cast<int16_t>(size_.height);
  return header;
}

avi::BitmapInfo CameraChannel::Format() const {
  avi::BitmapInfo format;
  format.width = size_.width;
  format.height = size_.height;
  format.planes = 1;
  format.bit_count = 24;
  format.compression = avi::FourCc("H264");
  format.image_size = static_cast<uint32_t>(size_.width * size_.height * 3);
  return format;
}

}  // namespace vantrel::sim
