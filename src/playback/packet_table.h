// Lays out the packets of an opened recording: which output pins the splitter offers (in
// stream order: "Video 1", "Video 2", "Audio", "Text"), each pin's packets in file order with
// their time stamps, and the telemetry packets for FetchTelemetryPacket.
//
// Time stamps: a video frame's is its index x scale / rate; an audio chunk's comes from the
// bytes (constant-rate audio) or blocks (AAC and other block audio) before it; a text chunk's
// is the time of the last front video frame before it in the file, 0 before the first frame.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "avi/avi_reader.h"
#include "playback/media_type.h"

namespace vantrel {

struct PacketEntry {
  size_t chunk = 0;  // index into AviContents::chunks
  int64_t time = 0;  // 100-ns units
};

struct PinTable {
  std::string name;
  MediaType type;
  size_t stream = 0;
  std::vector<PacketEntry> packets;
  // The stream's clock; a video stream without one falls back to the main header's frame time.
  uint32_t scale = 0;
  uint32_t rate = 0;
  uint32_t micro_seconds_per_frame = 0;

  // The time stamp of video frame n.
  int64_t FrameTime(uint64_t frame) const;
};

struct TelemetryEntry {
  size_t chunk = 0;
  uint32_t time_ms = 0;
};

struct PacketTables {
  std::vector<PinTable> pins;
  std::optional<size_t> front_pin;  // the first video pin: it drives text times and seeking
  std::vector<TelemetryEntry> telemetry;
};

PacketTables BuildPacketTables(const avi::AviContents& contents);

}  // namespace vantrel
