// One channel's decoding: pulls its pin's packets from the splitter, decodes them with
// libavcodec (frame threading) and keeps the picture the time line stands at plus the one
// decoded after it. Exact positioning: after the splitter was moved to a key frame, Reset and
// DecodeUpTo(t) leave the last picture whose time is <= t as the current one.
//
// Not thread-safe and free of user-interface calls: the engine owns it and drives it from
// whichever thread plays (the command line's, or a playback thread's in the viewer).
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>

#include "playback/av_handles.h"
#include "playback/media_type.h"
#include "playback/splitter_filter.h"

namespace vantrel {

// Decoder threads per channel; two channels on a two-core machine fill it.
inline constexpr int kDecoderThreads = 2;

// How many of the pin's packets a catch-up reads ahead at most while it looks for a key frame:
// several key intervals of any recorder's, and a bound on what a channel holds.
inline constexpr size_t kMaxPacketsAhead = 256;

class ChannelStream {
 public:
  ChannelStream(SplitterFilter& splitter, size_t pin);
  ChannelStream(const ChannelStream&) = delete;
  ChannelStream& operator=(const ChannelStream&) = delete;

  // False when the pin does not carry video this build can decode (nothing is shown then).
  bool Open(const MediaType& type);
  bool is_open() const { return context_ != nullptr; }

  // Forgets every picture and everything inside the decoder; call after the splitter seeked.
  void Reset();
  // Decodes on until the next picture lies after time; the last one at or before it becomes
  // current. Returns how many pictures became current on the way (0: unchanged; more than 1:
  // the ones before the last were never shown).
  int DecodeUpTo(int64_t time);
  // Makes the next picture current, whatever its time; false at the end of the stream.
  bool Advance();
  // Catching up with a clock that stands at time: when a key frame due by then lies ahead in the
  // pin, every packet before the last such one (and whatever the decoder holds) is let go, so
  // that the next picture is that key frame. The pictures let go were due before it and could
  // only have been passed over. Returns how many packets were let go undecoded (0: nothing).
  int SkipToKeyFrame(int64_t time);

  // The picture the time line stands at; null before the first one.
  const AVFrame* current() const { return has_current_ ? current_.get() : nullptr; }
  // 100-ns units; meaningful only with a current picture.
  int64_t current_time() const { return has_current_ ? current_->pts : 0; }

 private:
  // Fills next_ with the decoder's next picture; false when the stream has no more.
  bool DecodeNext();
  bool SendNextPacket();
  // The pin's next packet: the ones a catch-up read ahead first.
  std::optional<MediaPacket> NextPinPacket();

  SplitterFilter& splitter_;
  size_t pin_;
  CodecContextHandle context_;
  PacketHandle packet_;
  std::deque<MediaPacket> ahead_;  // read from the pin by a catch-up, not yet decoded
  FrameHandle current_;
  FrameHandle next_;
  bool has_current_ = false;
  bool has_next_ = false;
  bool draining_ = false;  // the pin ran out; the decoder is giving back what it holds
  bool finished_ = false;
};

}  // namespace vantrel
