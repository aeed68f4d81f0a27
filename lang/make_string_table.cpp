// vantrel-string-table: turns one language's text table into the C source of its library.
//
//   vantrel-string-table [--reference OTHER.txt] TABLE.txt OUTPUT.c
//
// With --reference the table must hold exactly the ids of OTHER.txt, so that no language lacks a
// text the viewer asks for. The library exports only data, with C linkage, which the viewer
// reads through dlsym (src/app/language.cpp):
//   uint32_t vantrel_string_format        layout version, 1
//   uint32_t vantrel_string_count         number of texts
//   uint32_t vantrel_string_table[n][2]   {id, offset into the text block}, ids ascending
//   uint32_t vantrel_string_text_size     size of the text block in bytes
//   char     vantrel_string_text[size]    the texts, UTF-8, each ended by a NUL
// Exit status: 0 written, 1 the table is faulty, 2 wrong arguments or a file error.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "string_table_parser.h"

namespace {

using vantrel::lang::StringTable;

// Offsets are 32-bit; a language needs a tiny fraction of this.
constexpr size_t kLargestTextBlock = size_t{16} << 20;

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) return std::nullopt;
  return content;
}

std::optional<StringTable> LoadTable(const std::string& path) {
  const std::optional<std::string> content = ReadWholeFile(path);
  if (!content) {
    std::fprintf(stderr, "%s: cannot be read\n", path.c_str());
    return std::nullopt;
  }
  vantrel::lang::ParseResult parsed = vantrel::lang::ParseStringTable(*content);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "%s:%s\n", path.c_str(), parsed.error.c_str());
    return std::nullopt;
  }
  return std::move(parsed.table);
}

// Reports every id that is in one table and not in the other; true when the id sets agree.
bool SameIds(const StringTable& table, const std::string& table_path, const StringTable& reference,
             const std::string& reference_path) {
  bool same = true;
  for (const auto& [id, text] : reference) {
    if (table.count(id) == 0) {
      std::fprintf(stderr, "%s: id %u of %s is missing\n", table_path.c_str(), id,
                   reference_path.c_str());
      same = false;
    }
  }
  for (const auto& [id, text] : table) {
    if (reference.count(id) == 0) {
      std::fprintf(stderr, "%s: id %u is not in %s\n", table_path.c_str(), id,
                   reference_path.c_str());
      same = false;
    }
  }
  return same;
}

// A C string literal of `text` followed by its NUL. Everything but plain printable ASCII is
// written as a three-digit octal escape, which never swallows a following digit.
std::string CLiteral(const std::string& text) {
  std::string literal = "\"";
  for (const char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\' && c != '?') {
      literal += c;
    } else {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\%03o", byte);
      literal += escape;
    }
  }
  return literal + "\\000\"";
}

std::string CSource(const StringTable& table, const std::string& origin) {
  std::ostringstream out;
  out << "/* The texts of " << origin << ", made by vantrel-string-table. Edit the table, not\n"
      << "   this file. */\n#include <stdint.h>\n\n#define EXPORTED "
         "__attribute__((visibility(\"default\")))\n\n";
  std::vector<uint32_t> offsets;
  uint32_t size = 0;
  for (const auto& [id, text] : table) {
    offsets.push_back(size);
    size += static_cast<uint32_t>(text.size()) + 1;
  }
  out << "EXPORTED const uint32_t vantrel_string_format = 1;\n"
      << "EXPORTED const uint32_t vantrel_string_count = " << table.size() << "u;\n"
      << "EXPORTED const uint32_t vantrel_string_text_size = " << size << "u;\n\n"
      << "EXPORTED const uint32_t vantrel_string_table[" << table.size() << "][2] = {\n";
  size_t index = 0;
  for (const auto& entry : table)
    out << "    {" << entry.first << "u, " << offsets[index++] << "u},\n";
  out << "};\n\n/* The implicit NUL of the literal falls outside the array, as C allows. */\n"
      << "EXPORTED const char vantrel_string_text[" << size << "] =\n";
  for (const auto& [id, text] : table) out << "    /* " << id << " */ " << CLiteral(text) << "\n";
  out << "    ;\n";
  return out.str();
}

bool WriteFileAtomically(const std::string& path, const std::string& content) {
  const std::string temporary = path + ".part";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file || !(file << content) || !file.flush()) return false;
  }
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}

int Usage() {
  std::fputs("usage: vantrel-string-table [--reference OTHER.txt] TABLE.txt OUTPUT.c\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> words(argv + 1, argv + argc);
  std::string reference_path;
  if (words.size() >= 2 && words[0] == "--reference") {
    reference_path = words[1];
    words.erase(words.begin(), words.begin() + 2);
  }
  if (words.size() != 2) return Usage();
  const std::string& table_path = words[0];
  const std::string& output_path = words[1];

  const std::optional<StringTable> table = LoadTable(table_path);
  if (!table) return 1;
  if (table->empty()) {
    std::fprintf(stderr, "%s: holds no text\n", table_path.c_str());
    return 1;
  }
  size_t text_bytes = 0;
  for (const auto& entry : *table) text_bytes += entry.second.size() + 1;
  if (text_bytes > kLargestTextBlock) {
    std::fprintf(stderr, "%s: the texts exceed %zu bytes\n", table_path.c_str(), kLargestTextBlock);
    return 1;
  }
  if (!reference_path.empty()) {
    const std::optional<StringTable> reference = LoadTable(reference_path);
    if (!reference) return 1;
    if (!SameIds(*table, table_path, *reference, reference_path)) return 1;
  }
  const size_t slash = table_path.find_last_of('/');
  const std::string origin = slash == std::string::npos ? table_path : table_path.substr(slash + 1);
  if (!WriteFileAtomically(output_path, CSource(*table, origin))) {
    std::fprintf(stderr, "%s: cannot be written\n", output_path.c_str());
    return 2;
  }
  return 0;
}
