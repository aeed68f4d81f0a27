#include "tools/report_layout.h"

#include <cstdio>

namespace vantrel::tools {
namespace {

constexpr const char* kModelNames[] = {"KT410A", "KT520A",         "KT730A",
                                       "MERIDA", "KT520A(Merida)", "KT730A(Merida)"};

// Text ids of the language library.
constexpr uint32_t kMapText = 126;
constexpr uint32_t kLatitudeText = 128;
constexpr uint32_t kLongitudeText = 129;
constexpr uint32_t kVideoText = 200;
constexpr uint32_t kPictureText = 201;
constexpr uint32_t kFrontText = 202;
constexpr uint32_t kRearText = 203;
constexpr uint32_t kLocationText = 204;
constexpr uint32_t kGsensorText = 205;
constexpr uint32_t kGsensorValuesText = 206;

std::string ModelTitle(int model, const char* suffix) {
  if (model < 0 || model >= static_cast<int>(std::size(kModelNames))) return {};
  return std::string(kModelNames[model]) + suffix;
}

template <typename... Values>
std::string Format(const char* format, Values... values) {
  const int size = std::snprintf(nullptr, 0, format, values...);
  std::string text(size > 0 ? static_cast<size_t>(size) : 0, '\0');
  std::snprintf(text.data(), text.size() + 1, format, values...);
  return text;
}

class PageBuilder {
 public:
  PageBuilder(const PrintableArea& area, ReportPage& page) : area_(area), page_(page) {}

  void Text(int x_percent, int y_percent, int size, std::string text) {
    ReportItem item = At(x_percent, y_percent);
    item.text = std::move(text);
    item.cell_height = ReportCellHeight(size, area_.dpi);
    page_.push_back(std::move(item));
  }

  void Picture(int x_percent, int y_percent, int width_percent, int height_percent,
               ReportPicture picture) {
    ReportItem item = At(x_percent, y_percent);
    item.picture = picture;
    item.width = X(width_percent);
    item.height = Y(height_percent);
    page_.push_back(std::move(item));
  }

 private:
  // Whole percents of the area, truncated towards zero; 64 bits so no printer size overflows.
  int X(int percent) const { return static_cast<int>(int64_t{area_.width} * percent / 100); }
  int Y(int percent) const { return static_cast<int>(int64_t{area_.height} * percent / 100); }
  ReportItem At(int x_percent, int y_percent) const {
    ReportItem item;
    item.x = X(x_percent);
    item.y = Y(y_percent);
    return item;
  }

  const PrintableArea& area_;
  ReportPage& page_;
};

void Header(PageBuilder& page, const ReportFacts& facts) {
  page.Text(5, 5, 20, ModelViewerTitle(facts.model));
  const LocalTime& now = facts.now;
  page.Text(80, 5, 20,
            Format("%04d-%02d-%02d %02d:%02d:%02d", now.year, now.month, now.day, now.hour,
                   now.minute, now.second));
}

void Footer(PageBuilder& page, const ReportFacts& facts, int number) {
  page.Text(5, 95, 20, ModelViewerTitle(facts.model));
  page.Text(80, 95, 20, Format("Page %d of 2", number));
}

void FirstPage(PageBuilder& page, const ReportFacts& facts,
               const std::optional<ReportTexts>& texts) {
  Header(page, facts);
  page.Text(30, 10, 40, ModelReportTitle(facts.model));
  if (texts) {
    page.Text(5, 15, 25, Format("1. %s", (*texts)(kVideoText).c_str()));
    page.Text(8, 18, 20, Format("-%s", (*texts)(kPictureText).c_str()));
    page.Text(10, 20, 20, Format("-%s", (*texts)(kFrontText).c_str()));
    page.Picture(20, 24, 60, 26, ReportPicture::kFrame1);
    if (facts.channel_count == 2) {
      page.Text(10, 56, 20, Format("-%s", (*texts)(kRearText).c_str()));
      page.Picture(20, 60, 60, 26, ReportPicture::kFrame2);
    }
  }
  Footer(page, facts, 1);
}

void SecondPage(PageBuilder& page, const ReportFacts& facts,
                const std::optional<ReportTexts>& texts) {
  Header(page, facts);
  if (texts) {
    page.Text(5, 15, 25, Format("2. %s", (*texts)(kLocationText).c_str()));
    page.Text(8, 18, 20, Format("%s : %.08f", (*texts)(kLatitudeText).c_str(), facts.latitude));
    page.Text(8, 20, 20, Format("%s : %.08f", (*texts)(kLongitudeText).c_str(), facts.longitude));
    page.Text(8, 22, 20, (*texts)(kMapText));
    // A position of exactly 0 is taken for no position at all.
    if (facts.map_view && facts.latitude != 0 && facts.longitude != 0) {
      page.Picture(20, 25, 40, 20, ReportPicture::kMap);
    }
    page.Text(5, 50, 25, Format("3. %s", (*texts)(kGsensorText).c_str()));
    const std::string values = (*texts)(kGsensorValuesText);
    page.Text(8, 53, 20, values);
    page.Text(
        8, 56, 20,
        Format("%s : X = %.08f, Y = %.08f, Z = %.08f", values.c_str(), facts.x, facts.y, facts.z));
  }
  Footer(page, facts, 2);
}

}  // namespace

std::string ModelViewerTitle(int model) { return ModelTitle(model, " Viewer"); }

std::string ModelReportTitle(int model) { return ModelTitle(model, " Report"); }

int ReportCellHeight(int size, int dpi) {
  return static_cast<int>(int64_t{5} * size * dpi / kReportReferenceDpi);
}

std::array<ReportPage, 2> LayOutReport(const ReportFacts& facts, const PrintableArea& area,
                                       const std::optional<ReportTexts>& texts) {
  std::array<ReportPage, 2> pages;
  PageBuilder first(area, pages[0]);
  FirstPage(first, facts, texts);
  PageBuilder second(area, pages[1]);
  SecondPage(second, facts, texts);
  return pages;
}

}  // namespace vantrel::tools
