#include "telemetry/text_numbers.h"

#include <locale.h>

#include <climits>
#include <cstdlib>
#include <string>

namespace vantrel {
namespace {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The "C" locale, made once: GPS text always writes its decimal point as '.'.
locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return locale;
}

}  // namespace

int LeadingInteger(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > INT_MAX) {  // atoi's result is undefined here; saturate instead
      value = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
      break;
    }
  }
  return static_cast<int>(negative ? -value : value);
}

double LeadingDouble(std::string_view text) {
  const std::string terminated(text);
  const locale_t locale = CLocale();
  if (locale == static_cast<locale_t>(0)) return std::strtod(terminated.c_str(), nullptr);
  return strtod_l(terminated.c_str(), nullptr, locale);
}

}  // namespace vantrel
