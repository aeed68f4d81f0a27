// CRC-32 as zlib and Ethernet compute it (reflected polynomial 0xEDB88320, initial value and
// final xor 0xFFFFFFFF): the checksum of every metadata structure on a LyFS card.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vantrel::lyfs {

uint32_t Crc32(const uint8_t* data, size_t size);

}  // namespace vantrel::lyfs
