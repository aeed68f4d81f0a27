// The running side of a built graph: it owns the time line (position, rate, running or not),
// the volume, and each channel's decoder settings, and carries the splitter's pins to the
// channels the build joined them to. The player calls it from the user-interface thread (and
// the loader thread while building); its own threads never call out except into the sinks.
//
// Threads: the first Run starts a playback thread and, per channel, a worker decoding ahead
// (front and rear decode in parallel). The playback thread presents, at the clock's time, the
// newest due picture of each channel and counts the late ones it passes over. Pause and Stop
// park it; a seek holds the workers, decodes the picture of the new place and discards whatever
// was decoded ahead; destruction joins every thread. SetPosition decodes on the caller's
// thread; RequestPosition moves the clock at once and leaves the pictures to a seek thread of
// the engine, where requests that come faster than pictures decode are coalesced (the latest
// wins), so a window's thread never waits for a decoder.
//
// Clock: while sound plays, the sound device's count of played frames is the clock (the
// pictures follow the sound, never the other way round); without a sound device, or once the
// sound has run out, a monotonic clock scaled by the rate carries on from where it stood.
// A channel whose decoding falls behind that clock skips to its next due key frame (see
// ChannelWorker) rather than drifting further behind.
#pragma once

#include <array>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "playback/audio_output.h"
#include "playback/channel_image.h"
#include "playback/channel_stream.h"
#include "playback/channel_worker.h"
#include "playback/decoder_settings.h"
#include "playback/picture_converter.h"
#include "playback/playback_clock.h"
#include "playback/sound_playback.h"
#include "playback/splitter_filter.h"
#include "playback/video_sink.h"

namespace vantrel {

inline constexpr int kMaxChannels = 4;

// Which splitter pin a channel shows and where its pictures go.
struct VideoChain {
  size_t pin = 0;
  VideoSink* sink = nullptr;
};

// Which splitter pin carries the sound and whether it must be decoded from AAC.
struct AudioChain {
  size_t pin = 0;
  bool aac = false;
};

// How far a seek decodes: only the key frame at or before the place (quick, while a slider is
// dragged), or on to the exact picture.
enum class SeekPrecision { kKeyFrame, kExact };

struct EngineLayout {
  std::array<std::optional<VideoChain>, kMaxChannels> video;  // index 0 = channel 1
  std::optional<AudioChain> audio;
};

// How closely the pictures followed the clock, measured while playing: the largest distance
// between a presented picture's time and the clock's time when it was presented (taken only
// while sound drove the clock), and the largest distance between the channels' pictures.
struct SyncFigures {
  bool sound_clock = false;      // sound drove the clock at some point
  int64_t picture_to_sound = 0;  // 100-ns units
  int64_t between_channels = 0;
};

class PlaybackEngine {
 public:
  // sound: where the audio chain's sound goes; without it (or when it cannot play the
  // recording's sound) the recording plays silent on the monotonic clock.
  PlaybackEngine(SplitterFilter& splitter, EngineLayout layout, TimeSource now,
                 std::unique_ptr<AudioOutput> sound = nullptr);
  PlaybackEngine(const PlaybackEngine&) = delete;
  PlaybackEngine& operator=(const PlaybackEngine&) = delete;

  ~PlaybackEngine();

  void Run();
  void Pause();
  void Stop();
  // With sound, a new speed restarts the sound (and the pictures) where the clock stands, so
  // that nothing queued at the old pace is played at the new one.
  void SetRate(double rate);
  // 100-ns units; false when nothing is open to seek in. Each channel then shows its last
  // picture at or before the position, decoded from the key frame before it.
  bool SetPosition(int64_t position);
  // The same without waiting for the pictures: the clock (and the sound) stand at the new place
  // when it returns; the pictures follow from the seek thread, and a request still waiting when
  // a newer one comes is dropped for it. Nothing decoded for an older place is shown after it.
  void RequestPosition(int64_t position, SeekPrecision precision);
  // Shows every channel's current picture again (a window changed size, a setting changed).
  void Repaint();
  // The same for one channel (1..4); false when it has no decoder.
  bool RepaintChannel(int channel);
  // Pictures presented, and pictures decoded but passed over because the clock was ahead.
  uint64_t presented() const;
  uint64_t dropped() const;
  // Packets the channels skipped undecoded to catch up with the clock.
  uint64_t skipped() const;
  // On by default; off, a late channel decodes every picture however far behind it falls (to
  // measure what catching up saves).
  void set_catch_up(bool on);
  int64_t Position() const;
  int64_t Duration() const;
  // Whether the recording's sound plays (and drives the clock while it lasts).
  bool has_sound() const { return sound_ != nullptr; }
  SyncFigures sync_figures() const;

  // Hundredths of a decibel, -10000 (silence) to 0; kInvalidArgument outside.
  int32_t SetVolume(int32_t attenuation);
  int32_t volume() const;
  // -10000 (left only) to 10000 (right only); kInvalidArgument outside.
  int32_t SetBalance(int32_t balance);

  // False when the channel (1..4) has no decoder or the id is not a decoder parameter.
  bool PutDecoderParameter(int channel, int id, int value);
  std::optional<DecoderSettings> decoder_settings(int channel) const;

  // The channel's current picture at its native size; false when it has none.
  bool CaptureImage(int channel, ChannelImage* image) const;

 private:
  struct Channel {
    std::unique_ptr<ChannelStream> stream;
    std::unique_ptr<ChannelWorker> worker;  // from the first Run on
    PictureConverter converter;
    FrameHandle shown_frame;  // the decoded picture last presented; null before the first
    int64_t shown_time = 0;
    std::vector<uint8_t> shown;  // that picture at the sink's size
  };

  struct PendingSeek {
    int64_t position = 0;
    SeekPrecision precision = SeekPrecision::kExact;
    uint64_t moves = 0;  // clock_moves_ once the clock stood at the place
  };

  // Moves the clock and empties the sound out for a seek; the sound stays held, and the pictures
  // pending, until SeekPictures has moved the splitter. Returns the seek's clock_moves_.
  uint64_t MoveClock(int64_t position);
  // Moves the splitter and shows each channel's picture of the place, unless a newer seek came
  // since (moves); then releases the workers and the sound.
  void SeekPictures(const PendingSeek& seek);
  void SeekLoop();
  // The clock for the workers to catch up with; none while catching up is off or a seek's
  // pictures are on their way (the clock then stands at a place the workers are not at yet).
  std::optional<int64_t> CatchUpClock() const;
  bool HasChannel(int channel) const;
  DecoderSettings SettingsOf(int index) const;
  void StartThreads();
  void PlayLoop();
  // The clock's time, and whether the sound gave it; lock_ held.
  int64_t PositionLocked(bool* from_sound) const;
  // Presents each channel's due picture and notes how closely they follow the clock;
  // decode_lock_ held.
  void PresentDue(int64_t position, bool from_sound);
  // decode_lock_ held. Keeps frame as the channel's shown picture and presents it.
  void ShowLocked(int index, const AVFrame& frame, int64_t time);
  // decode_lock_ held. Presents a picture the worker converted, converting again when the
  // window or the settings changed since.
  void ShowQueuedLocked(int index, QueuedPicture picture);
  // decode_lock_ held. Presents the channel's shown picture.
  void PresentLocked(int index);

  SplitterFilter& splitter_;
  EngineLayout layout_;
  mutable std::mutex lock_;
  PlaybackClock clock_;
  uint64_t clock_moves_ = 0;  // seeks so far: a time read before one is stale
  double rate_ = 1.0;
  int32_t volume_ = 0;
  int32_t balance_ = 0;
  std::array<DecoderSettings, kMaxChannels> settings_;
  bool stopping_ = false;
  bool catch_up_ = true;
  std::condition_variable wake_;  // with lock_: the playback thread waits for Run or the end
  std::thread player_;
  bool pictures_pending_ = false;  // a requested seek's pictures are not shown yet (lock_)

  // The seek thread and the request it has not taken yet.
  std::mutex seek_lock_;
  std::condition_variable seek_wake_;
  std::optional<PendingSeek> pending_seek_;
  bool seek_stopping_ = false;
  std::thread seeker_;

  // Lock order: decode_lock_, then lock_ or a worker's own.
  mutable std::mutex decode_lock_;
  std::array<Channel, kMaxChannels> channels_;
  uint64_t presented_ = 0;
  uint64_t dropped_ = 0;
  SyncFigures sync_;

  // Declared last so that it goes first: its thread reads the splitter too.
  std::unique_ptr<SoundPlayback> sound_;
};

}  // namespace vantrel
