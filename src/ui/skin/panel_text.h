// What each kind of text panel shows: its texts, where they go, their colour and font. The
// panel widget only paints these lines, so the formatting is tested here without pixels.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::ui {

// Panel types.
inline constexpr int kTimePanel = 1;
inline constexpr int kGsensorPanel = 2;
inline constexpr int kPositionTitlePanel = 3;
inline constexpr int kPositionPanel = 4;
inline constexpr int kPopupTitlePanel = 5;
inline constexpr int kPopupPositionPanel = 6;
inline constexpr int kListCaptionPanel = 7;
inline constexpr int kProductPanel = 8;
inline constexpr int kVersionPanel = 9;
inline constexpr int kFirstKindLabelPanel = 10;  // 10..13: All, Event, Normal, Parking
inline constexpr int kLoadingPanel = 14;
inline constexpr int kSummaryAllPanel = 15;
inline constexpr int kSummaryEventPanel = 16;
inline constexpr int kSummaryParkingPanel = 17;
inline constexpr int kSummaryNormalPanel = 18;
inline constexpr int kSummaryHeadingPanel = 19;

// The G-sensor panel paints itself on this colour (0xRRGGBB) whatever its owner chose.
inline constexpr uint32_t kGsensorPanelBackground = 0x1A1F25;

// Summary texts: counts of All, Normal, Event, Parking, then their sizes.
using SummaryTexts = std::array<std::string, 8>;

// The values an owner stores in a panel.
struct PanelValues {
  int duration_ms = 0;
  int position_ms = 0;
  float rate = 1.0f;
  bool gsensor_valid = false;
  float x = 0, y = 0, z = 0;
  float latitude = 0, longitude = 0;
  SummaryTexts summary;
};

struct PanelFont {
  int points = 0;        // a point size, or
  int pixel_height = 0;  // a cell height in pixels
};

// One text of a panel: drawn with its top-left at (x, y).
struct PanelLine {
  std::string text;  // UTF-8
  int x = 0;
  int y = 0;
  uint32_t colour = 0xFFFFFF;  // 0xRRGGBB
  bool opaque_cell = false;    // the text's cell is filled with the panel's background first
};

// A text of the language library by id; none when the library is missing or lacks the text.
using LanguageText = std::function<std::optional<std::string>(uint32_t id)>;

// The font of a panel type; none for a type outside 1..19.
std::optional<PanelFont> PanelFontOf(int panel_type);

// The lines a panel of this type shows. Empty for a type outside 1..19; a line built on a
// language text is left out when that text cannot be had.
std::vector<PanelLine> PanelLines(int panel_type, const PanelValues& values,
                                  const LanguageText& language_text);

// "MM:SS" of a time in milliseconds; minutes above 99 keep all their digits. Negative times
// count as 0.
std::string FormatMinutesSeconds(int ms);

// The time part of the time read-out: "    01:01  /  60:00".
std::string FormatTimeLine(int position_ms, int duration_ms);

// The rate part of the time read-out: "   0.10 x".
std::string FormatRateLine(float rate);

// "X:  0.123456", or "X:  -" when the values are not valid.
std::string FormatGsensorValue(char axis, bool valid, float value);

}  // namespace vantrel::ui
