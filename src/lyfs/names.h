// What a directory or file name on a LyFS card may be. Names are stored as written (any
// extension, any case), but never anything that could leave the folder it is copied into.
#pragma once

#include <cstddef>
#include <string_view>

namespace vantrel::lyfs {

constexpr size_t kMaxDirectoryNameLength = 63;
constexpr size_t kMaxFileNameLength = 97;

// 1 to max_length bytes, none of them a control character, '/' or '\\', and not "." or "..".
bool IsValidName(std::string_view name, size_t max_length);

// The text of a NUL-terminated field of `field_size` bytes; none when no NUL ends it inside the
// field. Used for every name read from a card.
bool ReadNameField(const unsigned char* field, size_t field_size, std::string_view* name);

}  // namespace vantrel::lyfs
