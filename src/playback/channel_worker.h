// One channel's decoding ahead: a thread that takes pictures from the channel's stream, converts
// them for the channel's window, and keeps a few of them in a queue until the playback thread
// takes the one that is due. Every picture carries the serial number of the time line it was
// decoded for; a seek moves to a new serial, so nothing decoded before it is ever shown after it.
//
// Catching up: when decoding cannot keep pace with the clock (a fast rate on a loaded machine),
// the channel would fall further behind with every picture. So before each picture, when the
// last one decoded is already behind the clock and a key frame due by the clock lies ahead, the
// worker skips to that key frame (ChannelStream::SkipToKeyFrame). Each picture thus starts
// decoding less than one key interval behind the clock: a late channel's pictures stay within
// one key interval (and the time a picture takes to decode) of the clock instead of drifting.
// A channel that keeps pace decodes ahead of the clock, where nothing is due, and skips nothing.
//
// The worker never calls into the user interface: it only reads the window's size.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "playback/av_handles.h"
#include "playback/channel_stream.h"
#include "playback/decoder_settings.h"
#include "playback/picture_converter.h"
#include "playback/video_sink.h"

namespace vantrel {

// Pictures a channel decodes ahead of the clock: enough to ride over one slow picture, few
// enough that a 1080p channel holds little memory.
inline constexpr size_t kDecodeAheadPictures = 4;

// A decoded picture waiting for its time, already converted for its window when it could be.
struct QueuedPicture {
  uint64_t serial = 0;
  int64_t time = 0;          // 100-ns units
  FrameHandle frame;         // the decoded picture, kept for captures and repaints
  DecoderSettings settings;  // what the pixels were converted with
  int width = 0;             // 0: not converted (no window, or a window of no size)
  int height = 0;
  std::vector<uint8_t> pixels;
};

class ChannelWorker {
 public:
  using SettingsSource = std::function<DecoderSettings()>;
  // Where the time line's clock stands; none while the worker must not catch up (catching up
  // turned off, or a seek on its way).
  using ClockSource = std::function<std::optional<int64_t>()>;
  // Called on the worker's thread after each picture it decodes. Tests make decoding slow with
  // it by moving their hand-moved clock.
  using DecodeHook = std::function<void()>;

  // Starts decoding ahead from where the stream stands. The stream belongs to the worker from
  // now on, except between Hold and Release.
  ChannelWorker(ChannelStream& stream, VideoSink* sink, SettingsSource settings, ClockSource clock,
                DecodeHook decoded = nullptr);
  ChannelWorker(const ChannelWorker&) = delete;
  ChannelWorker& operator=(const ChannelWorker&) = delete;
  ~ChannelWorker();

  // Waits until the worker has let go of the stream (it finishes the picture it is on), so the
  // caller may seek and decode on it.
  void Hold();
  // Forgets everything decoded before (a new serial) and decodes ahead again from where the
  // stream now stands.
  void Release();
  // The newest queued picture due at time; the due ones before it are dropped and counted into
  // dropped. Nothing when no picture is due yet.
  std::optional<QueuedPicture> TakeDue(int64_t time, uint64_t* dropped);
  // Packets skipped undecoded to catch up.
  uint64_t skipped();
  // Takes back the pixels of a picture that is shown no longer: a later picture is converted into
  // them rather than into memory allocated and cleared afresh for every picture.
  void Recycle(std::vector<uint8_t> pixels);

 private:
  void Loop();
  // On the worker's thread, off lock_: skips to a due key frame when the channel is late.
  void CatchUp();
  QueuedPicture Decoded(uint64_t serial);

  ChannelStream& stream_;
  VideoSink* sink_;
  SettingsSource settings_;
  ClockSource clock_;
  DecodeHook decoded_;
  PictureConverter converter_;  // the worker thread's own

  std::mutex lock_;
  std::condition_variable wake_;  // the worker waits for room, a release or the end
  std::condition_variable idle_;  // Hold waits for the worker to leave the stream
  std::deque<QueuedPicture> queue_;
  std::vector<std::vector<uint8_t>> spare_pixels_;  // at most kDecodeAheadPictures
  uint64_t serial_ = 0;
  bool held_ = false;
  bool busy_ = false;   // the worker is on the stream
  bool ended_ = false;  // the stream has no more pictures on this serial
  bool stopping_ = false;
  uint64_t skipped_ = 0;
  std::thread thread_;
};

}  // namespace vantrel
