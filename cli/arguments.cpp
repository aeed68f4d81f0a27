#include "arguments.h"

#include <charconv>

namespace vantrel::cli {

Arguments::Arguments(const std::vector<std::string>& words, const std::set<std::string>& valued) {
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word.size() > 2 && word.compare(0, 2, "--") == 0) {
      const std::string name = word.substr(2);
      if (valued.count(name) != 0) {
        if (i + 1 >= words.size()) {
          error_ = "option --" + name + " needs a value";
          return;
        }
        options_[name] = words[++i];
      } else {
        options_[name] = "";
      }
    } else {
      positional_.push_back(word);
    }
  }
}

std::optional<std::string> Arguments::Value(const std::string& name) const {
  const auto found = options_.find(name);
  if (found == options_.end()) return std::nullopt;
  return found->second;
}

long long Arguments::Integer(const std::string& name, long long fallback) const {
  const auto text = Value(name);
  if (!text) return fallback;
  long long value = 0;
  const char* end = text->data() + text->size();
  const auto [ptr, ec] = std::from_chars(text->data(), end, value);
  if (ec != std::errc() || ptr != end) return fallback;
  return value;
}

std::optional<long long> WholeNumber(const std::string& word) {
  long long value = 0;
  const char* const end = word.data() + word.size();
  const auto [stop, error] = std::from_chars(word.data(), end, value);
  if (word.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace vantrel::cli
