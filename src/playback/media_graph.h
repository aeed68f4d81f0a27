// The media graph the main window owns: it holds the video windows and the build options, and
// owns the player of the currently opened recording (an idle one once windows are attached).
// Every call answers sensibly without a player. Not thread-safe: the playback controller opens
// recordings on its loader thread only while the user interface leaves the graph alone.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/settings_store.h"
#include "playback/channel_image.h"
#include "playback/graph_components.h"
#include "playback/graph_player.h"
#include "playback/video_sink.h"

namespace vantrel {

inline constexpr char kMachineKeyPath[] = "SOFTWARE\\Brevanta";
inline constexpr char kUsingDShowValue[] = "usingDShow";

class MediaGraph {
 public:
  // Writes "usingDShow" = 1 into machine_registry when there is one (on Linux there is none);
  // a failure is ignored.
  MediaGraph(GraphComponents& components, platform::SettingsStore* machine_registry,
             TimeSource now = SteadyTimeSource());

  void AttachWindows(VideoSink* front, VideoSink* rear);
  // False when the front window is not attached, the path is empty or the build failed.
  bool OpenRecording(const std::string& path, intptr_t card_device, int32_t card_value);
  bool CloseRecording();

  int32_t Run();
  int32_t Pause();
  int32_t Stop();
  bool SetPlaybackRate(float rate);
  bool Seek(int milliseconds);
  bool SetPosition(int64_t position);
  // A seek that does not wait for its pictures (see PlaybackEngine::RequestPosition): the
  // window's commands seek this way. True without a player.
  bool RequestPosition(int64_t position, SeekPrecision precision);
  int64_t Position() const;
  int PositionMs() const;
  int64_t Duration();
  int DurationMs();
  bool SetVolumeLevel(int level);
  bool CaptureChannelImage(int index, ChannelImage* image) const;
  // Takes every window's size again and re-presents its channel's picture in it (after layout
  // changes, resizes and paints); the last repaint's result, kGraphOk without a player.
  int32_t RefreshVideoWindows();
  // Re-presents channel 1's picture in the front window; 0 when channel 1 has no renderer.
  int32_t RepaintFrontVideo();
  void SetRearMirror(bool on);
  void SetDecoderParameter(int channel, int id, int value);
  int FetchTelemetryPacket(uint8_t* buffer, int32_t* size, uint32_t* time_stamp);

  // kNone without a player (before windows are attached and after a failed open).
  PlaybackState state() const;
  int VideoPinCount() const;
  int channel_count() const { return channel_count_; }
  SinkRect client_rect(int channel) const { return rects_[channel - 1]; }
  GraphPlayer* player() const { return player_.get(); }
  bool brightness_filter() const { return brightness_filter_; }
  void set_brightness_filter(bool on) { brightness_filter_ = on; }
  uint8_t splitter_mode() const { return splitter_mode_; }
  // Also the current player's copy.
  void set_splitter_mode(uint8_t mode);

 private:
  std::unique_ptr<GraphPlayer> NewPlayer() const;

  GraphComponents& components_;
  TimeSource now_;
  int channel_count_ = 0;
  ChannelWindows windows_{};
  std::array<SinkRect, kMaxChannels> rects_{};
  std::unique_ptr<GraphPlayer> player_;
  bool brightness_filter_ = false;
  uint8_t splitter_mode_ = 1;
};

}  // namespace vantrel
