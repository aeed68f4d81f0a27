// Numbers on the command line: the whole word is the number or it is refused, so "12abc",
// " 5", "nan", "inf" and numbers out of range are never read as something else.
#pragma once

#include <optional>
#include <string_view>

namespace vantrel::cli {

// A decimal integer in [low, high].
std::optional<long long> WholeNumber(std::string_view word, long long low, long long high);
// A finite decimal number in [low, high].
std::optional<double> FiniteNumber(std::string_view word, double low, double high);

}  // namespace vantrel::cli
