// The stream splitter's private control interface: the calls the media graph and the telemetry
// loader make on the splitter besides reading its streams.
#pragma once

#include <cstdint>

namespace vantrel {

// Results of FetchTelemetryPacket.
inline constexpr int kTelemetryPacketDelivered = 0;
inline constexpr int kNoMoreTelemetryPackets = 38;

class SplitterControl {
 public:
  virtual ~SplitterControl() = default;

  // The splitter mode flag, handed over at every graph build.
  virtual int SetParseMode(int32_t flag) = 0;

  // Copies the next telemetry packet into buffer (the caller offers *size bytes, 1024) and its
  // time stamp in milliseconds on the playback time line; *size becomes the packet's length.
  // Returns kTelemetryPacketDelivered, kNoMoreTelemetryPackets when none is left, or any other
  // value when none is ready yet.
  virtual int FetchTelemetryPacket(uint8_t* buffer, int32_t* size, uint32_t* time_stamp) = 0;

  // For a recording on a LyFS card: the open card's device and the file's entry value; for an
  // ordinary file (0, -1).
  virtual int SetCardSource(intptr_t device, int32_t value) = 0;
};

}  // namespace vantrel
