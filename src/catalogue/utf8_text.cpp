#include "catalogue/utf8_text.h"

#include <algorithm>

namespace vantrel::utf8 {

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length a lead byte announces, or 1 when it cannot lead a sequence.
size_t AnnouncedLength(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 1;
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

size_t CharacterBytes(std::string_view text, size_t at) {
  if (at >= text.size()) return 0;
  const size_t length = AnnouncedLength(static_cast<unsigned char>(text[at]));
  if (length > text.size() - at) return 1;
  for (size_t i = 1; i < length; ++i) {
    if (!IsContinuation(static_cast<unsigned char>(text[at + i]))) return 1;
  }
  return length;
}

size_t CharacterCount(std::string_view text) {
  size_t count = 0;
  for (size_t at = 0; at < text.size(); at += CharacterBytes(text, at)) ++count;
  return count;
}

std::string_view CharacterSlice(std::string_view text, size_t first, size_t count) {
  size_t begin = 0;
  for (size_t skipped = 0; skipped < first && begin < text.size(); ++skipped) {
    begin += CharacterBytes(text, begin);
  }
  size_t end = begin;
  for (size_t taken = 0; taken < count && end < text.size(); ++taken) {
    end += CharacterBytes(text, end);
  }
  return text.substr(begin, end - begin);
}

std::string_view CutToBytes(std::string_view text, size_t max_bytes) {
  size_t end = 0;
  while (end < text.size()) {
    const size_t next = end + CharacterBytes(text, end);
    if (next > max_bytes) break;
    end = next;
  }
  return text.substr(0, end);
}

std::string AsciiLower(std::string_view text) {
  std::string lowered(text);
  std::transform(lowered.begin(), lowered.end(), lowered.begin(), LowerAscii);
  return lowered;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerAscii(x) == LowerAscii(y);
         });
}

}  // namespace vantrel::utf8
