// Opens arbitrary bytes as a recording in the stream splitter and pulls everything out of it:
// every pin's packets, every telemetry packet until the end (38), the key-frame tables, then a
// seek and the packets after it.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "avi/byte_source.h"
#include "playback/stream_splitter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vantrel;
  StreamSplitter splitter;
  auto source = std::make_unique<avi::MemoryByteSource>(
      std::string(reinterpret_cast<const char*>(data), size));
  if (!splitter.Open(std::move(source))) return 0;
  const size_t pins = splitter.Pins().size();
  for (size_t pin = 0; pin < pins; ++pin) {
    while (splitter.NextPacket(pin)) {
    }
    splitter.KeyFrames(pin);
  }

  uint8_t buffer[1024];
  for (;;) {
    int32_t packet_size = sizeof buffer;
    uint32_t time_stamp = 0;
    const int result = splitter.FetchTelemetryPacket(buffer, &packet_size, &time_stamp);
    if (result == kNoMoreTelemetryPackets) break;
    if (result != kTelemetryPacketDelivered) __builtin_trap();
    if (packet_size < 0 || packet_size > static_cast<int32_t>(sizeof buffer)) __builtin_trap();
    if (packet_size > 0 && buffer[0] == 'G' && std::memchr(buffer, 0, packet_size) == nullptr) {
      __builtin_trap();  // GPS text must always arrive terminated
    }
  }

  int64_t seek_to = 0;
  if (size >= 8) std::memcpy(&seek_to, data + size - 8, sizeof seek_to);
  const auto landed = splitter.Seek(seek_to);
  if (!landed || *landed < 0) __builtin_trap();
  for (size_t pin = 0; pin < pins; ++pin) {
    for (int i = 0; i < 4 && splitter.NextPacket(pin); ++i) {
    }
  }
  splitter.Duration();
  return 0;
}
