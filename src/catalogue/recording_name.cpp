#include "catalogue/recording_name.h"

#include <algorithm>

#include "catalogue/utf8_text.h"

namespace vantrel {

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool HasAcceptedExtension(std::string_view name, const std::vector<std::string>& extensions) {
  if (name.empty()) return false;
  const size_t dot = name.rfind('.');
  const std::string extension =
      utf8::AsciiLower(dot == std::string_view::npos ? name : name.substr(dot + 1));
  return std::find(extensions.begin(), extensions.end(), extension) != extensions.end();
}

uint16_t NameField(std::string_view name, size_t first, size_t count) {
  const std::string_view field = utf8::CharacterSlice(name, first, count);
  size_t at = 0;
  while (at < field.size() && IsSpace(field[at])) ++at;
  bool negative = false;
  if (at < field.size() && (field[at] == '+' || field[at] == '-')) negative = field[at++] == '-';
  // The grammar's fields have at most four digits; a longer one saturates rather than wraps.
  uint32_t value = 0;
  while (at < field.size() && IsDigit(field[at])) {
    value = std::min<uint32_t>(value * 10 + (field[at++] - '0'), UINT16_MAX);
  }
  return negative ? 0 : static_cast<uint16_t>(value);
}

NameTime ParseNameTime(std::string_view name) {
  NameTime time;
  time.year = NameField(name, 4, 4);
  time.month = NameField(name, 8, 2);
  time.day = NameField(name, 10, 2);
  time.hour = NameField(name, 13, 2);
  time.minute = NameField(name, 15, 2);
  time.second = NameField(name, 17, 2);
  return time;
}

std::string_view NameSortKey(std::string_view name) { return utf8::CharacterSlice(name, 4, 15); }

}  // namespace vantrel
