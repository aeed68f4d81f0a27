// The stream splitter: opens a recording (a file, or a file on a LyFS card through a byte
// source) and splits it into its streams. It offers one output pin per stream in stream order
// ("Video 1", "Video 2", "Audio", "Text"), delivers each pin's packets with time stamps through
// a cursor of its own (so a media engine may pull every stream independently), seeks all
// cursors to a key frame, and hands out the telemetry packets through SplitterControl.
//
// Demuxing is our own AVI reader; nothing here decodes. Every method is thread-safe: one lock
// guards the source and the cursors. The telemetry cursor is separate from the pin cursors and
// is not moved by a seek, so the telemetry drain at open sees every packet once.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "avi/avi_reader.h"
#include "avi/byte_source.h"
#include "playback/media_type.h"
#include "playback/packet_table.h"
#include "playback/splitter_control.h"

namespace vantrel {

// FetchTelemetryPacket results besides kTelemetryPacketDelivered and kNoMoreTelemetryPackets.
inline constexpr int kSplitterNotOpen = 1;
inline constexpr int kSplitterBadBuffer = 2;

struct OutputPin {
  std::string name;
  MediaType type;
};

struct MediaPacket {
  std::vector<uint8_t> data;
  int64_t time = 0;  // 100-ns units on the playback time line
  bool key = false;
  uint64_t number = 0;  // the packet's place in its stream (the frame number for video)
};

class StreamSplitter : public SplitterControl {
 public:
  StreamSplitter() = default;
  StreamSplitter(const StreamSplitter&) = delete;
  StreamSplitter& operator=(const StreamSplitter&) = delete;

  int SetParseMode(int32_t flag) override;
  int FetchTelemetryPacket(uint8_t* buffer, int32_t* size, uint32_t* time_stamp) override;
  // Remembered for the next Load: (0, -1) reads an ordinary file, anything else goes through
  // the registered card source factory.
  int SetCardSource(intptr_t device, int32_t value) override;

  // Opens the recording at path through the card source set before. False (and closed) when it
  // cannot be read or is not an AVI file.
  bool Load(const std::string& path);
  // Opens a recording from a byte source the caller made.
  bool Open(std::unique_ptr<avi::ByteSource> source);
  void Close();

  bool is_open() const;
  int32_t parse_mode() const;

  std::vector<OutputPin> Pins() const;
  // The front video's length: its frame count x scale / rate; 0 without video.
  int64_t Duration() const;

  // The pin's next packet, or none at the end of its stream (or for a pin that does not exist).
  // A chunk that cannot be read is skipped.
  std::optional<MediaPacket> NextPacket(size_t pin);

  // Moves every pin's cursor to the front video's key frame at or before time (100-ns units)
  // and returns that frame's time; the other pins follow that time (audio from the chunk
  // playing at it, text from the first packet stamped at or after it). Without video, every
  // cursor goes to time itself. None when nothing is open.
  std::optional<int64_t> Seek(int64_t time);

  // The frame numbers of a video pin's key frames, ascending (empty for other pins). From the
  // index's key flags when the file has an index, else from the H.264 NAL units of each frame.
  std::vector<uint64_t> KeyFrames(size_t pin);

 private:
  struct PinState {
    size_t cursor = 0;
    std::optional<std::vector<uint64_t>> key_frames;  // built on first need
  };

  // The key flag where the file or the stream type tells it; none when the frame's NAL units
  // must be looked at.
  std::optional<bool> KnownKeyFlag(const PinTable& pin, const avi::ChunkRef& chunk) const;
  const std::vector<uint64_t>& KeyFramesLocked(size_t pin);
  bool ProbeKeyFrame(const avi::ChunkRef& chunk);
  size_t CursorForTime(size_t pin, int64_t time);

  mutable std::mutex lock_;
  int32_t parse_mode_ = 0;
  intptr_t card_device_ = 0;
  int32_t card_value_ = -1;
  std::unique_ptr<avi::ByteSource> source_;
  avi::AviContents contents_;
  PacketTables tables_;
  std::vector<PinState> pin_states_;
  size_t telemetry_cursor_ = 0;
};

}  // namespace vantrel
