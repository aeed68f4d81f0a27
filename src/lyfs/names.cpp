#include "lyfs/names.h"

#include <cstring>

namespace vantrel::lyfs {

bool IsValidName(std::string_view name, size_t max_length) {
  if (name.empty() || name.size() > max_length || name == "." || name == "..") return false;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F || c == '/' || c == '\\') return false;
  }
  return true;
}

bool ReadNameField(const unsigned char* field, size_t field_size, std::string_view* name) {
  const void* end = std::memchr(field, 0, field_size);
  if (end == nullptr) return false;
  *name = std::string_view(reinterpret_cast<const char*>(field),
                           static_cast<size_t>(static_cast<const unsigned char*>(end) - field));
  return true;
}

}  // namespace vantrel::lyfs
