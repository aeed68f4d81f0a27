// text ID [--language N]: prints text ID of a language library (0 English, the default; 1 Korean,
// 2 German, 3 Japanese) as the viewer would show it. Exit 1 when there is no such text.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>

#include "app/language.h"
#include "arguments.h"
#include "commands.h"

namespace vantrel::cli {
namespace {

// A whole decimal word in [low, high]; none for anything else.
template <typename Number>
std::optional<Number> ParseNumber(const std::string& word, Number low, Number high) {
  long long value = 0;
  const char* end = word.data() + word.size();
  const auto [ptr, ec] = std::from_chars(word.data(), end, value);
  if (word.empty() || ec != std::errc() || ptr != end || value < low || value > high) {
    return std::nullopt;
  }
  return static_cast<Number>(value);
}

int TextUsage(const std::string& why) {
  std::fprintf(stderr, "vantrel-cli text: %s\nusage: vantrel-cli text ID [--language N]\n",
               why.c_str());
  return 2;
}

}  // namespace

int TextCommand(const Words& words) {
  const Arguments arguments(words, {"language"});
  if (!arguments.error().empty()) return TextUsage(arguments.error());
  if (arguments.positional().size() != 1) return TextUsage("expected one text id");
  const auto id =
      ParseNumber<uint32_t>(arguments.positional()[0], 0, std::numeric_limits<uint32_t>::max());
  if (!id) return TextUsage("the id must be a whole number");
  int language = kEnglish;
  if (const auto value = arguments.Value("language")) {
    const auto parsed = ParseNumber<long long>(*value, std::numeric_limits<long long>::min(),
                                               std::numeric_limits<long long>::max());
    if (!parsed) return TextUsage("the language must be a whole number");
    // Any number is a language index, as in the option file; only 0..3 name a library.
    if (*parsed < kEnglish || *parsed > kJapanese) return 1;
    language = static_cast<int>(*parsed);
  }
  const std::optional<std::string> text = LoadLanguageString(language, *id);
  if (!text) return 1;
  std::fwrite(text->data(), 1, text->size(), stdout);
  std::fputc('\n', stdout);
  return 0;
}

}  // namespace vantrel::cli
