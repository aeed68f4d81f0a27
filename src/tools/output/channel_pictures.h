// The current pictures of the open recording's channels, as the output commands take them. The
// viewer reads them from its media graph; tests give pictures of their own.
#pragma once

#include "playback/channel_image.h"
#include "playback/media_graph.h"

namespace vantrel {

class ChannelPictures {
 public:
  virtual ~ChannelPictures() = default;
  virtual int VideoPinCount() const = 0;
  // The channel's picture at the recording's own size, as shown (brightness, mirror). False, or
  // an empty picture, when there is none.
  virtual bool CaptureChannelImage(int index, ChannelImage* image) const = 0;
};

// The pictures of a media graph; none without one.
class GraphPictures : public ChannelPictures {
 public:
  explicit GraphPictures(const MediaGraph* graph) : graph_(graph) {}
  int VideoPinCount() const override { return graph_ ? graph_->VideoPinCount() : 0; }
  bool CaptureChannelImage(int index, ChannelImage* image) const override {
    return graph_ && graph_->CaptureChannelImage(index, image);
  }

 private:
  const MediaGraph* graph_;
};

// A channel's picture, or none when it cannot be had or is empty.
bool CapturePicture(const ChannelPictures& pictures, int index, ChannelImage* image);

}  // namespace vantrel
