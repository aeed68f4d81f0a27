// What the printed report puts where: two pages of texts and pictures, placed in whole percents
// of the printable area. The painting itself belongs to whoever holds the printer; this part
// only decides the contents, their order, their places and their sizes.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tools/local_time.h"

namespace vantrel::tools {

// What the report shows of the current playback position.
struct ReportFacts {
  int model = 0;  // MODEL of the options; titles are empty outside 0..5
  LocalTime now;  // printed to the second
  int channel_count = 1;
  // Position in decimal degrees and G-sensor values, zeros when there is no record.
  double latitude = 0;
  double longitude = 0;
  double x = 0;
  double y = 0;
  double z = 0;
  bool map_view = false;  // a map view exists whose picture can be printed
};

enum class ReportPicture { kNone, kFrame1, kFrame2, kMap };

// A text with its top-left corner at (x, y), or a picture scaled into the rectangle.
struct ReportItem {
  int x = 0;
  int y = 0;
  std::string text;
  int cell_height = 0;  // of the text's font, in device pixels
  ReportPicture picture = ReportPicture::kNone;
  int width = 0;
  int height = 0;
};

using ReportPage = std::vector<ReportItem>;

// The printable area in device pixels and the device's resolution in dots per inch.
struct PrintableArea {
  int width = 0;
  int height = 0;
  int dpi = 600;
};

// A text of the language library by id (empty when it has none).
using ReportTexts = std::function<std::string(uint32_t id)>;

// The resolution the font sizes are given for: a size-20 text has a 100-pixel cell there, and
// proportionally more or fewer pixels on other printers, so the page looks the same on all.
inline constexpr int kReportReferenceDpi = 600;

// "KT410A Viewer" ... "KT730A(Merida) Viewer"; empty outside 0..5.
std::string ModelViewerTitle(int model);
// "KT410A Report" ... "KT730A(Merida) Report"; empty outside 0..5.
std::string ModelReportTitle(int model);

// Cell height of a text of size `size` (20, 25, 40) on a device of `dpi`.
int ReportCellHeight(int size, int dpi);

// Both pages in drawing order. Without texts (the language library does not load) a page holds
// only its header, its footer and, on page 1, the report title.
std::array<ReportPage, 2> LayOutReport(const ReportFacts& facts, const PrintableArea& area,
                                       const std::optional<ReportTexts>& texts);

}  // namespace vantrel::tools
