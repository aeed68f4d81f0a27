// vantrel-cli options: reads the viewer's option file as the viewer does, or writes one from the
// fresh-start values and KEY=VALUE overrides.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "app/user_messages.h"
#include "app/viewer_options.h"
#include "commands.h"
#include "failures.h"
#include "number_words.h"

namespace vantrel::cli {

namespace {

int Usage(const std::string& problem) {
  if (!problem.empty()) std::fprintf(stderr, "vantrel-cli options: %s\n", problem.c_str());
  std::fputs("usage: vantrel-cli options read FILE | options write FILE [KEY=VALUE...]\n", stderr);
  return 2;
}

void PrintLine(const char* key, const std::string& value) {
  std::printf("%s\t", key);
  std::fwrite(value.data(), 1, value.size(), stdout);
  std::fputc('\n', stdout);
}

void PrintOptions(const ViewerOptions& options) {
  PrintLine(kSaveDirectoryKey, options.save_folder);
  PrintLine(kPlayValueKey, std::to_string(options.skip_step));
  PrintLine(kRearMirrorKey, options.rear_mirror ? "1" : "0");
  PrintLine(kLanguageKey, std::to_string(options.language));
  PrintLine(kDefaultLanguageKey, std::to_string(options.default_language));
  PrintLine(kModelKey, std::to_string(options.model));
}

// Applies one KEY=VALUE word; returns what was wrong with it, empty when it was applied.
std::string ApplyPair(std::string_view pair, ViewerOptions& options) {
  const size_t equals = pair.find('=');
  if (equals == std::string_view::npos) return "expected KEY=VALUE: " + std::string(pair);
  const std::string_view key = pair.substr(0, equals);
  const std::string_view value = pair.substr(equals + 1);
  if (key == kSaveDirectoryKey) {
    options.save_folder = value;
    return {};
  }
  int32_t* const field = key == kPlayValueKey         ? &options.skip_step
                         : key == kLanguageKey        ? &options.language
                         : key == kDefaultLanguageKey ? &options.default_language
                         : key == kModelKey           ? &options.model
                                                      : nullptr;
  if (field == nullptr && key != kRearMirrorKey) return "unknown key: " + std::string(key);
  // Unlike the file, the command line takes a number only when the whole word is one.
  const std::optional<long long> number = WholeNumber(value, INT32_MIN, INT32_MAX);
  if (!number) return "not a number: " + std::string(pair);
  if (field != nullptr) {
    *field = static_cast<int32_t>(*number);
  } else {
    options.rear_mirror = *number == 1;
  }
  return {};
}

int Read(const std::string& path) {
  if (!InputReadable("options", path)) return 1;
  ViewerOptions options;
  if (!ReadOptions(path, options)) return Failure("options", "cannot read " + path);
  PrintOptions(options);
  return 0;
}

int Write(const Words& words) {
  ViewerOptions options;
  for (size_t i = 2; i < words.size(); ++i) {
    const std::string problem = ApplyPair(words[i], options);
    if (!problem.empty()) return Usage(problem);
  }
  StderrMessages messages;
  return WriteOptions(words[1], options, messages) ? 0 : 1;
}

}  // namespace

int OptionsCommand(const Words& words) {
  if (words.size() == 2 && words[0] == "read") return Read(words[1]);
  if (words.size() >= 2 && words[0] == "write") return Write(words);
  return Usage("");
}

}  // namespace vantrel::cli
