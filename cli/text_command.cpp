// text ID [--language N]: prints text ID of a language library (0 English, the default; 1 Korean,
// 2 German, 3 Japanese) as the viewer would show it. Exit 1, with a line saying why, when there
// is no such text.
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>

#include "app/language.h"
#include "arguments.h"
#include "commands.h"
#include "failures.h"
#include "number_words.h"

namespace vantrel::cli {
namespace {

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
  const auto id = WholeNumber(arguments.positional()[0], 0, std::numeric_limits<uint32_t>::max());
  if (!id) return TextUsage("the id must be a whole number");
  int language = kEnglish;
  if (const auto value = arguments.Value("language")) {
    const auto parsed = WholeNumber(*value, std::numeric_limits<long long>::min(),
                                    std::numeric_limits<long long>::max());
    if (!parsed) return TextUsage("the language must be a whole number");
    // Any number is a language index, as in the option file; only 0..3 name a library.
    if (*parsed < kEnglish || *parsed > kJapanese) {
      return Failure("text", "language " + std::to_string(*parsed) + " has no library");
    }
    language = static_cast<int>(*parsed);
  }
  const std::optional<std::string> text = LoadLanguageString(language, static_cast<uint32_t>(*id));
  if (!text) {
    return Failure("text",
                   "no text " + std::to_string(*id) + " in " + LanguageLibraryName(language));
  }
  std::fwrite(text->data(), 1, text->size(), stdout);
  std::fputc('\n', stdout);
  return 0;
}

}  // namespace vantrel::cli
