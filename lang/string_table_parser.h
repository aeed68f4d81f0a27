// Reads one language's text table, the file translators edit. Each line is a comment ("#"
// first), blank, or "ID<TAB>text": ID a decimal number 1..65535, text UTF-8 with the escapes
// \n, \t and \\ and no other control character. A malformed line or a repeated id is refused
// with its line number, so a broken table stops the build instead of shipping a wrong library.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace vantrel::lang {

// Texts by id, in id order.
using StringTable = std::map<uint32_t, std::string>;

struct ParseResult {
  StringTable table;
  // Empty on success, else "LINE: what is wrong" for the first bad line.
  std::string error;
};

ParseResult ParseStringTable(std::string_view content);

}  // namespace vantrel::lang
