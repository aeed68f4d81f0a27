#include "tools/silent_audio.h"

#include <cstring>

#include "avi/byte_order.h"
#include "avi/four_cc.h"

namespace vantrel::tools {

namespace {

void Put32(uint8_t* bytes, size_t offset, uint32_t value) { avi::StoreLe32(bytes + offset, value); }

void Put16(uint8_t* bytes, size_t offset, uint16_t value) {
  bytes[offset] = static_cast<uint8_t>(value & 0xFF);
  bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
}

}  // namespace

std::array<uint8_t, kSilentListSize> SilentStreamList(uint32_t silent_count) {
  std::array<uint8_t, kSilentListSize> list{};
  uint8_t* bytes = list.data();
  Put32(bytes, 0, avi::kList);
  Put32(bytes, 4, 92);
  Put32(bytes, 8, avi::kStreamList);
  Put32(bytes, 12, avi::kStreamHeader);
  Put32(bytes, 16, 56);
  Put32(bytes, 20, avi::kAudioStream);
  // Handler, flags, priority, language and initial frames stay 0.
  Put32(bytes, 40, 2);      // scale
  Put32(bytes, 44, 44100);  // rate: 22050 samples a second
  Put32(bytes, 52, silent_count * kSilentSamplesPerChunk);
  Put32(bytes, 56, kSilentDataSize);
  Put32(bytes, 64, 2);  // sample size
  Put32(bytes, 76, avi::kStreamFormat);
  Put32(bytes, 80, 16);
  Put16(bytes, 84, 1);  // PCM
  Put16(bytes, 86, 1);  // mono
  Put32(bytes, 88, 22050);
  Put32(bytes, 92, 44100);
  Put16(bytes, 96, 2);   // block align
  Put16(bytes, 98, 16);  // bits per sample
  return list;
}

const std::array<uint8_t, kSilentChunkSize>& SilentChunk() {
  static const std::array<uint8_t, kSilentChunkSize> chunk = [] {
    std::array<uint8_t, kSilentChunkSize> bytes{};
    avi::StoreLe32(bytes.data(), avi::FourCc("01wb"));
    avi::StoreLe32(bytes.data() + 4, kSilentDataSize);
    return bytes;
  }();
  return chunk;
}

}  // namespace vantrel::tools
