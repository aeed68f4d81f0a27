// Test data whose every byte depends on its offset and a seed, so a block read from the wrong
// place, or from another file, never matches by chance.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vantrel::test {

// Bytes that differ from one offset and seed to the next.
std::string Pattern(size_t size, uint32_t seed);

}  // namespace vantrel::test
