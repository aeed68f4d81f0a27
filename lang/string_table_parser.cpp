#include "string_table_parser.h"

#include <optional>

namespace vantrel::lang {
namespace {

constexpr uint32_t kLargestId = 65535;

// Length of the well-formed UTF-8 sequence at the start of `text`, 0 when it is not one
// (overlong forms, surrogates and values beyond U+10FFFF included).
size_t Utf8SequenceLength(std::string_view text) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

// The text after the id's tab with its escapes resolved; on a fault, `error` says why.
std::optional<std::string> Unescape(std::string_view raw, std::string& error) {
  std::string text;
  size_t i = 0;
  while (i < raw.size()) {
    const unsigned char c = static_cast<unsigned char>(raw[i]);
    if (c == '\\') {
      if (i + 1 >= raw.size()) {
        error = "a backslash ends the line (write \\\\ for a backslash)";
        return std::nullopt;
      }
      switch (raw[i + 1]) {
        case 'n':
          text += '\n';
          break;
        case 't':
          text += '\t';
          break;
        case '\\':
          text += '\\';
          break;
        default:
          error = std::string("unknown escape \\") + raw[i + 1] + " (use \\n, \\t or \\\\)";
          return std::nullopt;
      }
      i += 2;
      continue;
    }
    if (c < 0x20 || c == 0x7F) {
      error = "a control character in the text (write \\t for a tab)";
      return std::nullopt;
    }
    const size_t length = Utf8SequenceLength(raw.substr(i));
    if (length == 0) {
      error = "the text is not valid UTF-8";
      return std::nullopt;
    }
    text.append(raw.substr(i, length));
    i += length;
  }
  return text;
}

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

ParseResult ParseStringTable(std::string_view content) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (content.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    content.remove_prefix(kByteOrderMark.size());
  }
  ParseResult result;
  std::map<uint32_t, size_t> line_of_id;
  size_t line_number = 0;
  while (!content.empty()) {
    ++line_number;
    const size_t end = content.find('\n');
    std::string_view line = content.substr(0, end);
    content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (IsBlank(line) || line.front() == '#') continue;

    const auto fail = [&](const std::string& what) {
      result.table.clear();
      result.error = std::to_string(line_number) + ": " + what;
      return result;
    };
    size_t digits = 0;
    uint32_t id = 0;
    while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') {
      id = id * 10 + static_cast<uint32_t>(line[digits] - '0');
      if (id > kLargestId) return fail("the id is larger than 65535");
      ++digits;
    }
    if (digits == 0) return fail("a line must start with a numeric id, \"#\" or be blank");
    if (id == 0) return fail("the id 0 is not allowed");
    if (digits >= line.size() || line[digits] != '\t') {
      return fail("expected one tab between the id and the text");
    }
    std::string why;
    std::optional<std::string> text = Unescape(line.substr(digits + 1), why);
    if (!text) return fail(why);
    if (text->empty()) return fail("the text of id " + std::to_string(id) + " is empty");
    const auto [previous, added] = line_of_id.emplace(id, line_number);
    if (!added) {
      return fail("id " + std::to_string(id) + " repeats line " + std::to_string(previous->second));
    }
    result.table.emplace(id, std::move(*text));
  }
  return result;
}

}  // namespace vantrel::lang
