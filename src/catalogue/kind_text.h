// The kind texts of the recording list ("Event", "Normal", ...), read from the current language
// library. The source of texts is a function so that the list can be filled without the
// libraries (tests, a missing library).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace vantrel {

// Text of a language string id, or none.
using TextLookup = std::function<std::optional<std::string>(uint32_t id)>;

// Look-ups in the language library of language_index (0 English .. 3 Japanese).
TextLookup LanguageTextLookup(int language_index);

// Kind texts for the rows of one fill. A library is loaded for every look-up, so each text id is
// looked up at most once per fill however many rows need it.
class KindTexts {
 public:
  explicit KindTexts(TextLookup lookup) : lookup_(std::move(lookup)) {}

  // The language text of the name's kind; "UnKnown" for an Unknown name; the three-letter prefix
  // when the language library cannot give the text.
  std::string For(std::string_view name);

 private:
  TextLookup lookup_;
  std::map<uint32_t, std::optional<std::string>> loaded_;
};

}  // namespace vantrel
