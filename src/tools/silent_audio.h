// The silent audio stream a recording without sound gains when it is rebuilt: 16-bit mono PCM
// at 22050 Hz, one chunk of 100 ms ("01wb", 4410 zero bytes) per tenth of a second of video.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vantrel::tools {

inline constexpr uint32_t kSilentDataSize = 4410;
inline constexpr uint32_t kSilentChunkSize = kSilentDataSize + 8;     // 4418 in the movie list
inline constexpr uint32_t kSilentChunkTotal = kSilentChunkSize + 16;  // with its index entry
inline constexpr uint32_t kSilentSamplesPerChunk = 2205;
inline constexpr size_t kSilentListSize = 100;

// The stream list ("LIST" ... "strl" with "strh" and "strf") for silent_count chunks.
std::array<uint8_t, kSilentListSize> SilentStreamList(uint32_t silent_count);

// A whole silent chunk: header and data.
const std::array<uint8_t, kSilentChunkSize>& SilentChunk();

}  // namespace vantrel::tools
