// The graph of one opened recording: it builds the filter chains for the recording's pins
// (splitter, per channel decoder, optional brightness filter, converter and renderer, then the
// sound), runs, pauses, stops and seeks them, and carries volume, rate and decoder parameters.
// Results follow the media control conventions: kGraphOk, -1 when the player was never
// configured, kWrongState for a run or stop in the wrong state, other codes from the components.
// Not thread-safe: the loader thread builds it, then the user-interface thread drives it, never
// both at once.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "playback/channel_image.h"
#include "playback/filter_graph.h"
#include "playback/graph_components.h"
#include "playback/playback_clock.h"
#include "playback/playback_engine.h"
#include "playback/playback_state.h"
#include "playback/video_sink.h"

namespace vantrel {

using ChannelWindows = std::array<VideoSink*, kMaxChannels>;

class GraphPlayer {
 public:
  // channel_count (1..4) is how many channels a build may make; windows[k] shows channel k + 1.
  GraphPlayer(GraphComponents& components, int channel_count, const ChannelWindows& windows,
              TimeSource now = SteadyTimeSource());
  ~GraphPlayer();
  GraphPlayer(const GraphPlayer&) = delete;
  GraphPlayer& operator=(const GraphPlayer&) = delete;

  // 0 when built; 1 when a step failed without a code; otherwise the failing call's code.
  int32_t BuildGraph(const std::string& path, intptr_t card_device, int32_t card_value);
  // Drops the graph and everything in it; the state becomes Stopped.
  void Teardown();

  int32_t Run();
  int32_t Pause();
  int32_t Stop();
  // Kept as given and applied (clamped) by the next Run; a running player runs on at once.
  void SetPlaybackRate(float rate);
  // 100-ns units; false when there is no graph to seek in.
  bool SetPosition(int64_t position);
  // The engine's RequestPosition; false when there is no graph to seek in.
  bool RequestPosition(int64_t position, SeekPrecision precision);
  int64_t Position() const;
  // Read once after a build and kept.
  int64_t Duration();
  bool SetVolumeLevel(int level);
  // Channel 1..4; nothing when that channel has no decoder.
  void SetDecoderParameter(int channel, int id, int value);
  void SetRearMirror(bool on);
  // Whether channel (1..4) was built with a renderer.
  bool HasRenderer(int channel) const;
  // Shows the channel's current picture again, fitted to its window's present size.
  int32_t RepaintVideo(int channel);
  // Repaints every built channel; the result is the last repaint's.
  int32_t RefreshVideoWindows();
  // index 0..3 for channels 1..4; image is untouched on failure.
  bool CaptureChannelImage(int index, ChannelImage* image) const;
  int FetchTelemetryPacket(uint8_t* buffer, int32_t* size, uint32_t* time_stamp);

  PlaybackState state() const { return state_; }
  int video_pin_count() const { return video_pin_count_; }
  float rate() const { return rate_; }
  int channel_count() const { return channel_count_; }
  const std::string& file_name() const { return file_name_; }
  // The names of the filters in the graph, in the order they were added.
  std::vector<std::string> RoleNames() const;
  const FilterGraph* graph() const { return graph_.get(); }
  const PlaybackEngine* engine() const { return engine_.get(); }
  // The engine a playing thread drives (Advance); null without a graph.
  PlaybackEngine* engine() { return engine_.get(); }

  bool configured() const { return configured_; }
  void set_configured(bool configured) { configured_ = configured; }
  bool muted() const { return muted_; }
  void set_muted(bool muted) { muted_ = muted; }
  bool brightness_filter() const { return brightness_filter_; }
  void set_brightness_filter(bool on) { brightness_filter_ = on; }
  uint8_t splitter_mode() const { return splitter_mode_; }
  void set_splitter_mode(uint8_t mode) { splitter_mode_ = mode; }

 private:
  // Names of one channel's filters; empty while that filter is absent.
  struct ChannelFilters {
    std::string decoder;
    std::string brightness;
    std::string converter;
    std::string renderer;
  };
  struct AudioFilters {
    std::string decoder;
    std::string renderer;
  };

  int32_t AddFilter(FilterRole role, const std::string& name);
  int32_t AddAudioFilters(bool one_channel, AudioFilters* audio);
  void ConnectAudio(const AudioFilters& audio);
  int32_t AddChannel(int channel, bool one_channel);
  void ConnectChannel(int channel);
  int32_t ConfigureRenderer(int channel);
  void Cue();
  EngineLayout Layout() const;

  GraphComponents& components_;
  TimeSource now_;
  int channel_count_;
  ChannelWindows windows_;
  std::unique_ptr<FilterGraph> graph_;
  std::unique_ptr<SplitterFilter> splitter_;
  std::unique_ptr<PlaybackEngine> engine_;
  std::array<ChannelFilters, kMaxChannels> channels_;
  AudioFilters audio_;
  bool configured_ = false;
  bool muted_ = false;
  bool built_ = false;
  bool brightness_filter_ = false;
  uint8_t splitter_mode_ = 1;
  float rate_ = 1.0f;
  int64_t duration_cache_ = 0;
  PlaybackState state_ = PlaybackState::kClosed;
  int video_pin_count_ = 0;
  std::string file_name_;
};

}  // namespace vantrel
