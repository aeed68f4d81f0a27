// What kind of recording a file is, told by the first three characters of its name, and the
// language text that names the kind in the recording list.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vantrel {

// The codes are stored and compared as numbers: 1, 4 and 5 are not used.
enum class RecordingKind : int32_t {
  kInfinite = 0,  // "REC": continuous driving recording
  kEvent = 2,     // "EVT": triggered by the acceleration sensor
  kParking = 3,   // "PRK", "MDI", "MOT": parking mode
  kUnknown = 6,   // any other name
};

// Kind text of an Unknown recording; it is not in the language libraries.
inline constexpr std::string_view kUnknownKindText = "UnKnown";

// The kind of a recording name (exact, case-sensitive prefix).
RecordingKind KindOfName(std::string_view name);

// The language text id naming the kind of a recording name: "REC" 133, "EVT" 132, "PRK" 134,
// "MDI" and "MOT" 210; none for an Unknown name.
std::optional<uint32_t> KindTextId(std::string_view name);

}  // namespace vantrel
