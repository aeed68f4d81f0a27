#include "number_words.h"

#include <charconv>
#include <cmath>

namespace vantrel::cli {

namespace {

template <typename Number>
std::optional<Number> Parse(std::string_view word, Number low, Number high) {
  Number value{};
  const char* end = word.data() + word.size();
  const auto [stop, error] = std::from_chars(word.data(), end, value);
  if (word.empty() || error != std::errc() || stop != end) return std::nullopt;
  if (!std::isfinite(static_cast<double>(value)) || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<long long> WholeNumber(std::string_view word, long long low, long long high) {
  return Parse<long long>(word, low, high);
}

std::optional<double> FiniteNumber(std::string_view word, double low, double high) {
  return Parse<double>(word, low, high);
}

}  // namespace vantrel::cli
