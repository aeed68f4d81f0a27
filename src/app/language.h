// Texts of the four language libraries ("English.dll", "Korean.dll", "German.dll",
// "Japanese.dll"), which sit beside the executable. A library is loaded for each look-up and
// released at once, so a change of language takes effect at the next look-up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vantrel {

// LanguageIndex values.
inline constexpr int kEnglish = 0;
inline constexpr int kKorean = 1;
inline constexpr int kGerman = 2;
inline constexpr int kJapanese = 3;

// Look-up buffer sizes in characters: the viewer's, and the folder picker's.
inline constexpr size_t kLanguageBufferChars = 1024;
inline constexpr size_t kPickerBufferChars = 128;

// The library file name of a language index ("English.dll" ...); empty outside 0..3.
std::string LanguageLibraryName(int language_index);

// Text `id` of the language library, UTF-8, cut to fit a buffer of buffer_chars characters
// (terminator included). None when the index is outside 0..3, the library is missing or cannot
// be loaded, or it has no text of that id.
std::optional<std::string> LoadLanguageString(int language_index, uint32_t id,
                                              size_t buffer_chars = kLanguageBufferChars);

// The same look-up in the libraries of `folder` instead of the executable's folder.
std::optional<std::string> LoadLanguageStringFrom(const std::string& folder, int language_index,
                                                  uint32_t id,
                                                  size_t buffer_chars = kLanguageBufferChars);

}  // namespace vantrel
