// Feeds arbitrary bytes to the recording rebuild as its two parts: the header part is as long as
// the header list the input's own byte 16 names (clipped to the input), the movie part is the
// rest, as the player splits a recording. Every flag and RIFF size combination must either fail
// with an empty output or give a file whose RIFF size is its size less 8.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "avi/byte_order.h"
#include "avi/byte_sink.h"
#include "avi/byte_source.h"
#include "tools/avi_repair.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vantrel;
  if (size < 20) return 0;
  const size_t split = static_cast<size_t>(
      std::min<uint64_t>(20 + static_cast<uint64_t>(avi::ReadLe32(data + 16)), size));
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  for (const bool audio_less : {false, true}) {
    for (const uint32_t riff_size : {0u, avi::ReadLe32(data + 4) | 1u}) {
      avi::MemoryByteSource header(bytes.substr(0, split));
      avi::MemoryByteSource movie(bytes.substr(split));
      avi::MemorySink output;
      const bool rebuilt = tools::RebuildAvi(header, movie, output, audio_less, riff_size);
      const std::string& out = output.bytes();
      if (!rebuilt && !out.empty()) __builtin_trap();
      if (rebuilt && (out.size() < 8 || avi::ReadLe32(reinterpret_cast<const uint8_t*>(out.data()) +
                                                      4) != out.size() - 8)) {
        __builtin_trap();
      }
    }
  }
  return 0;
}
