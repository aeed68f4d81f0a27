// One camera of a simulated recorder: paints the road scene for each frame, burns in the caption
// (channel, frame number, clock) and the frame mark, and encodes it. Frames come out in order, one
// per call, however far the encoder runs behind.
#pragma once

#include <deque>
#include <memory>
#include <string>

#include "avi/avi_headers.h"
#include "sim/recording_description.h"
#include "sim/road_scene.h"
#include "sim/route.h"
#include "sim/video_encoder.h"

namespace vantrel::sim {

class CameraChannel {
 public:
  // Empty (with *error set) when the encoder cannot be opened. The route must outlive the channel.
  static std::unique_ptr<CameraChannel> Open(const RecordingDescription& description, Camera camera,
                                             const Route& route, std::string* error);

  // The next frame, encoded.
  bool NextFrame(EncodedFrame* frame, std::string* error);

  // The stream's header (length 0 until the recording is closed) and format for the AVI header.
  avi::StreamHeader StreamHeader() const;
  avi::BitmapInfo Format() const;

 private:
  CameraChannel(const RecordingDescription& description, Camera camera, const Route& route,
                FrameSize size, std::unique_ptr<VideoEncoder> encoder);
  void Paint(int frame, const PictureView& picture) const;

  const RecordingDescription& description_;
  Camera camera_;
  const Route& route_;
  FrameSize size_;
  RoadScene scene_;
  std::unique_ptr<VideoEncoder> encoder_;
  int frame_count_;
  int painted_ = 0;
  bool finished_ = false;
  std::deque<EncodedFrame> ready_;
};

}  // namespace vantrel::sim
