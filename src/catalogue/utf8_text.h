// Character-level helpers for the UTF-8 text the catalogue keeps. Recording names are measured
// and cut in characters, as the recorder's names are written, never in bytes; bytes that do not
// form valid UTF-8 count as one character each, so a broken name from a card is still handled.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vantrel::utf8 {

// Number of bytes of the character that starts at byte `at` (1 for a byte that does not start
// a valid sequence); 0 at or past the end.
size_t CharacterBytes(std::string_view text, size_t at);

// Number of characters in text.
size_t CharacterCount(std::string_view text);

// The characters first .. first + count - 1 of text; shorter (or empty) when text ends first.
std::string_view CharacterSlice(std::string_view text, size_t first, size_t count);

// The longest prefix of text that has at most max_bytes bytes and ends on a character boundary.
std::string_view CutToBytes(std::string_view text, size_t max_bytes);

// ASCII letters lowered; every other byte kept.
std::string AsciiLower(std::string_view text);

// Equal when equal after ASCII lowering.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace vantrel::utf8
