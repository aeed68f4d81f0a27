// The recorder's file-name grammar, e.g. "EVT_20120815_143005_F.avi": the kind prefix in
// characters 0-2, the date in 4-11 and the time in 13-18, read by position. Nothing else of a name
// is checked, so a name with stray characters is still listed with the numbers it yields.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// True when name is not empty and the text after its last "." (the whole name when it has no
// "."), lower-cased, is one of the extensions (which are kept lower-case).
bool HasAcceptedExtension(std::string_view name, const std::vector<std::string>& extensions);

// The number in characters first .. first + count - 1 of name, read like atoi: leading white
// space, an optional sign, then digits up to the first non-digit. 0 when there is no digit, when
// the name is too short, or for a negative number (no field of a name is negative).
uint16_t NameField(std::string_view name, size_t first, size_t count);

// Recording date and time of a name, field by field.
struct NameTime {
  uint16_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
NameTime ParseNameTime(std::string_view name);

// Characters 4 to 18 (date, separator, time): recordings are listed in the order of this key.
std::string_view NameSortKey(std::string_view name);

}  // namespace vantrel
