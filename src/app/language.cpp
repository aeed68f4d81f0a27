#include "app/language.h"

#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "platform/executable_folder.h"

namespace vantrel {
namespace {

constexpr std::array<const char*, 4> kLibraryNames = {"English.dll", "Korean.dll", "German.dll",
                                                      "Japanese.dll"};

// The data a language library exports (written by lang/make_string_table.cpp).
constexpr uint32_t kTableFormat = 1;
using TableEntry = uint32_t[2];  // {id, offset of the text in the text block}

// A library opened for one look-up and closed when the look-up ends.
class OpenLibrary {
 public:
  explicit OpenLibrary(const std::string& path)
      : handle_(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {}
  ~OpenLibrary() {
    if (handle_ != nullptr) dlclose(handle_);
  }
  OpenLibrary(const OpenLibrary&) = delete;
  OpenLibrary& operator=(const OpenLibrary&) = delete;

  bool is_open() const { return handle_ != nullptr; }

  // The exported object `name` when it exists and is at least `size` bytes long. The size comes
  // from the library's own symbol table, so a stale or foreign library cannot make a read run
  // past the end of its data.
  const void* Data(const char* name, size_t size) const {
    void* address = dlsym(handle_, name);
    if (address == nullptr) return nullptr;
    Dl_info info{};
    void* entry = nullptr;
    if (dladdr1(address, &info, &entry, RTLD_DL_SYMENT) == 0 || entry == nullptr) return nullptr;
    if (static_cast<const ElfW(Sym)*>(entry)->st_size < size) return nullptr;
    return address;
  }

 private:
  void* handle_;
};

// The NUL-terminated text of `id` in the library's table; none when the library is not one of
// ours or its table is damaged.
std::optional<std::string_view> FindText(const OpenLibrary& library, uint32_t id) {
  const auto* format =
      static_cast<const uint32_t*>(library.Data("vantrel_string_format", sizeof(uint32_t)));
  const auto* count =
      static_cast<const uint32_t*>(library.Data("vantrel_string_count", sizeof(uint32_t)));
  const auto* text_size =
      static_cast<const uint32_t*>(library.Data("vantrel_string_text_size", sizeof(uint32_t)));
  if (format == nullptr || *format != kTableFormat || count == nullptr || text_size == nullptr) {
    return std::nullopt;
  }
  const auto* table = static_cast<const TableEntry*>(
      library.Data("vantrel_string_table", size_t{*count} * sizeof(TableEntry)));
  const auto* text = static_cast<const char*>(library.Data("vantrel_string_text", *text_size));
  if (table == nullptr || text == nullptr) return std::nullopt;

  const TableEntry* end = table + *count;
  const TableEntry* entry = std::lower_bound(
      table, end, id,
      [](const TableEntry& candidate, uint32_t wanted) { return candidate[0] < wanted; });
  if (entry == end || (*entry)[0] != id) return std::nullopt;
  const uint32_t offset = (*entry)[1];
  if (offset >= *text_size) return std::nullopt;
  const void* terminator = std::memchr(text + offset, '\0', *text_size - offset);
  if (terminator == nullptr) return std::nullopt;
  return std::string_view(text + offset, static_cast<const char*>(terminator) - (text + offset));
}

// The longest start of `text` that holds at most max_chars characters. A character is counted
// at its first byte, so the cut always falls before a lead byte, never inside a UTF-8 sequence.
std::string_view FirstCharacters(std::string_view text, size_t max_chars) {
  size_t chars = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool starts_character = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    if (starts_character && chars++ == max_chars) return text.substr(0, i);
  }
  return text;
}

}  // namespace

std::string LanguageLibraryName(int language_index) {
  if (language_index < 0 || language_index >= static_cast<int>(kLibraryNames.size())) return {};
  return kLibraryNames[static_cast<size_t>(language_index)];
}

std::optional<std::string> LoadLanguageString(int language_index, uint32_t id,
                                              size_t buffer_chars) {
  return LoadLanguageStringFrom(platform::ExecutableFolder(), language_index, id, buffer_chars);
}

std::optional<std::string> LoadLanguageStringFrom(const std::string& folder, int language_index,
                                                  uint32_t id, size_t buffer_chars) {
  const std::string name = LanguageLibraryName(language_index);
  // A buffer of one character holds only the terminator: no text fits.
  if (name.empty() || folder.empty() || buffer_chars < 2) return std::nullopt;
  // Loaded for this look-up only, so that a change of language or a replaced library file is
  // seen by the next one.
  const OpenLibrary library(folder + "/" + name);
  if (!library.is_open()) return std::nullopt;
  const std::optional<std::string_view> text = FindText(library, id);
  if (!text || text->empty()) return std::nullopt;
  // Copied before the library is closed: the text lives in the library's memory.
  return std::string(FirstCharacters(*text, buffer_chars - 1));
}

}  // namespace vantrel
