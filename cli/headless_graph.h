// A media graph for the command line: two windows that show nothing, one recording opened in it.
#pragma once

#include <string>
#include <utility>

#include "playback/card_source.h"
#include "playback/graph_components.h"
#include "playback/media_graph.h"
#include "playback/null_video_sink.h"

namespace vantrel::cli {

struct HeadlessGraph {
  explicit HeadlessGraph(AudioOutputFactory sound = nullptr)
      : components(sound ? StandardGraphComponents(std::move(sound))
                         : StandardGraphComponents(false)) {}

  StandardGraphComponents components;
  NullVideoSink front;
  NullVideoSink rear;
  MediaGraph graph{components, nullptr};

  bool Open(const std::string& path) {
    graph.AttachWindows(&front, &rear);
    return graph.OpenRecording(path, kFileSourceDevice, kFileSourceValue);
  }
};

}  // namespace vantrel::cli
