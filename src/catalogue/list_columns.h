// How the main window sets up the columns of the recording list. Headings come from the language
// library by id; the two hidden data columns have fixed headings instead.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "catalogue/recording_list.h"

namespace vantrel {

enum class ColumnAlignment { kLeft, kCentre };

struct ListColumn {
  uint32_t heading_id;       // language text id; 0 for a column with a fixed heading
  std::string_view heading;  // the fixed heading when heading_id is 0
  ColumnAlignment alignment;
  int width;  // pixels; 0 hides the column
};

inline constexpr std::array<ListColumn, kListColumnCount> kRecordingListColumns = {{
    {135, "", ColumnAlignment::kCentre, 35},   // running number
    {136, "", ColumnAlignment::kCentre, 76},   // date
    {137, "", ColumnAlignment::kCentre, 62},   // time
    {138, "", ColumnAlignment::kLeft, 150},    // kind
    {0, "    ", ColumnAlignment::kCentre, 0},  // path
    {0, "", ColumnAlignment::kCentre, 0},      // name
}};

}  // namespace vantrel
