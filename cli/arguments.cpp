#include "arguments.h"

#include <climits>
#include <cstdio>

#include "number_words.h"

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
  return WholeNumber(*text, LLONG_MIN, LLONG_MAX).value_or(fallback);
}

namespace {

template <typename Number, typename Parse>
bool ReadNumber(const std::optional<std::string>& text, const std::string& name, Number low,
                Number high, const std::string& range, Number* value, std::string* problem,
                Parse parse) {
  if (!text) return true;
  const std::optional<Number> number = parse(*text, low, high);
  if (!number) {
    *problem = "--" + name + " needs " + range + ", not \"" + *text + "\"";
    return false;
  }
  *value = *number;
  return true;
}

std::string RealText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

}  // namespace

bool Arguments::Whole(const std::string& name, long long low, long long high, long long* value,
                      std::string* problem) const {
  return ReadNumber(Value(name), name, low, high,
                    "a whole number from " + std::to_string(low) + " to " + std::to_string(high),
                    value, problem, WholeNumber);
}

bool Arguments::Finite(const std::string& name, double low, double high, double* value,
                       std::string* problem) const {
  return ReadNumber(Value(name), name, low, high,
                    "a number from " + RealText(low) + " to " + RealText(high), value, problem,
                    FiniteNumber);
}

}  // namespace vantrel::cli
