// The 64-byte narrow copies of names that the LyFS library takes and gives (directory names,
// card file names). The copy is always NUL-terminated and never ends inside a character.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vantrel {

inline constexpr size_t kNarrowNameBytes = 64;

using NarrowName = std::array<char, kNarrowNameBytes>;

// text up to its first NUL, cut to at most 63 bytes on a character boundary; the rest zeroed.
NarrowName MakeNarrowName(std::string_view text);

// The text of a narrow name: up to its first NUL, never past its 64 bytes.
std::string_view NarrowText(const NarrowName& name);

}  // namespace vantrel
