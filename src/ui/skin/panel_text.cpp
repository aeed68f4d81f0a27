#include "ui/skin/panel_text.h"

#include <algorithm>
#include <cstdio>

namespace vantrel::ui {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kYellow = 0xFFFF00;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kPopupText = 0xC8C8C8;

// Language text ids.
constexpr uint32_t kTimeText = 110;
constexpr uint32_t kRateText = 111;
constexpr uint32_t kMapText = 126;
constexpr uint32_t kLatitudeText = 128;
constexpr uint32_t kLongitudeText = 129;
constexpr uint32_t kListText = 130;
constexpr uint32_t kFirstKindText = 131;

template <typename... Args>
std::string Format(const char* format, Args... args) {
  char buffer[128];
  const int length = std::snprintf(buffer, sizeof buffer, format, args...);
  if (length < 0) return {};
  return std::string(buffer, std::min<size_t>(static_cast<size_t>(length), sizeof buffer - 1));
}

void AddLanguageLine(std::vector<PanelLine>& lines, const LanguageText& language_text, uint32_t id,
                     const std::string& value, int x, int y, uint32_t colour = kWhite) {
  const auto text = language_text ? language_text(id) : std::nullopt;
  if (!text) return;
  lines.push_back({*text + value, x, y, colour});
}

// The latitude and longitude on one line; both language texts are needed.
void AddPositionLine(std::vector<PanelLine>& lines, const LanguageText& language_text,
                     const PanelValues& values, const char* latitude_format,
                     const char* longitude_format, int x, int y, uint32_t colour) {
  if (!language_text) return;
  const auto latitude = language_text(kLatitudeText);
  const auto longitude = language_text(kLongitudeText);
  if (!latitude || !longitude) return;
  lines.push_back({*latitude + Format(latitude_format, static_cast<double>(values.latitude)) +
                       *longitude + Format(longitude_format, static_cast<double>(values.longitude)),
                   x, y, colour});
}

// A row of the card summary: its label, count and size. The summary texts are in the order All,
// Normal, Event, Parking.
void AddSummaryRow(std::vector<PanelLine>& lines, const char* label, const PanelValues& values,
                   int kind) {
  lines.push_back({label, 10, 3});
  lines.push_back({values.summary[kind], 80, 3});
  lines.push_back({values.summary[kind + 4], 150, 3});
}

}  // namespace

std::optional<PanelFont> PanelFontOf(int panel_type) {
  switch (panel_type) {
    case kGsensorPanel:
      return PanelFont{8, 0};
    case kPositionTitlePanel:
    case kPopupTitlePanel:
      return PanelFont{10, 0};
    case kProductPanel:
    case kVersionPanel:
      return PanelFont{13, 0};
    case kLoadingPanel:
      return PanelFont{0, 12};
    case kSummaryAllPanel:
    case kSummaryEventPanel:
    case kSummaryParkingPanel:
    case kSummaryNormalPanel:
    case kSummaryHeadingPanel:
      return PanelFont{0, 15};
    default:
      break;
  }
  if (panel_type >= 1 && panel_type <= kSummaryHeadingPanel) return PanelFont{9, 0};
  return std::nullopt;
}

std::string FormatMinutesSeconds(int ms) {
  const int time = std::max(ms, 0);
  const int minutes = time / 60000;
  const int seconds = time / 1000 - minutes * 60;
  return Format("%02d:%02d", minutes, seconds);
}

std::string FormatTimeLine(int position_ms, int duration_ms) {
  return "    " + FormatMinutesSeconds(position_ms) + "  /  " + FormatMinutesSeconds(duration_ms);
}

std::string FormatRateLine(float rate) { return Format("   %.2f x", static_cast<double>(rate)); }

std::string FormatGsensorValue(char axis, bool valid, float value) {
  if (!valid) return Format("%c:  -", axis);
  return Format("%c:  %.6f", axis, static_cast<double>(value));
}

std::vector<PanelLine> PanelLines(int panel_type, const PanelValues& values,
                                  const LanguageText& language_text) {
  std::vector<PanelLine> lines;
  switch (panel_type) {
    case kTimePanel:
      AddLanguageLine(lines, language_text, kTimeText,
                      FormatTimeLine(values.position_ms, values.duration_ms), 10, 2);
      AddLanguageLine(lines, language_text, kRateText, FormatRateLine(values.rate), 230, 2);
      break;
    case kGsensorPanel:
      lines.push_back({FormatGsensorValue('X', values.gsensor_valid, values.x), 10, 3, kRed, true});
      lines.push_back(
          {FormatGsensorValue('Y', values.gsensor_valid, values.y), 110, 3, kYellow, true});
      lines.push_back(
          {FormatGsensorValue('Z', values.gsensor_valid, values.z), 210, 3, kGreen, true});
      break;
    case kPositionTitlePanel:
    case kPopupTitlePanel:
      AddLanguageLine(lines, language_text, kMapText, "", 10, 3);
      break;
    case kPositionPanel:
      AddPositionLine(lines, language_text, values, ": %.6f  ", ": %.6f", 3, 0, kWhite);
      break;
    case kPopupPositionPanel:
      AddPositionLine(lines, language_text, values, ":  %.6f    ", ":  %.6f", 10, 3, kPopupText);
      break;
    case kListCaptionPanel:
      AddLanguageLine(lines, language_text, kListText, "", 3, 3);
      break;
    case kProductPanel:
      lines.push_back({"Vantrel Viewer", 10, 3});
      break;
    case kVersionPanel:
      lines.push_back({"Version " VANTREL_VERSION, 10, 3});
      break;
    case kFirstKindLabelPanel:
    case kFirstKindLabelPanel + 1:
    case kFirstKindLabelPanel + 2:
    case kFirstKindLabelPanel + 3:
      AddLanguageLine(lines, language_text,
                      kFirstKindText + static_cast<uint32_t>(panel_type - kFirstKindLabelPanel), "",
                      0, 5);
      break;
    case kLoadingPanel:
      lines.push_back({"파일을 열고 있습니다.", 10, 3});
      lines.push_back({"잠시만 기다려 주시길 바랍니다.", 10, 18});
      lines.push_back({"※SD 카드 용량에 따라 시간이 지연될 수 있습니다.", 10, 33});
      break;
    case kSummaryAllPanel:
      AddSummaryRow(lines, "전체", values, 0);
      break;
    case kSummaryEventPanel:
      AddSummaryRow(lines, "이벤트", values, 2);
      break;
    case kSummaryParkingPanel:
      AddSummaryRow(lines, "주차", values, 3);
      break;
    case kSummaryNormalPanel:
      AddSummaryRow(lines, "상시", values, 1);
      break;
    case kSummaryHeadingPanel:
      lines.push_back({"파일수        크기", 10, 3});
      break;
    default:
      break;
  }
  return lines;
}

}  // namespace vantrel::ui
