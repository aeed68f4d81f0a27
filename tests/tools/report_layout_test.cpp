// The report's pages: titles by model, the order and places of their contents, the values'
// format, what a one-channel recording, a missing position and a missing language library leave
// out, and the same look at two printer resolutions.
#include "tools/report_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel::tools {
namespace {

std::string Texts(uint32_t id) { return "T" + std::to_string(id); }

ReportFacts TwoChannelFacts() {
  ReportFacts facts;
  facts.model = 4;
  facts.now = {2026, 1, 2, 3, 4, 5, 678};
  facts.channel_count = 2;
  facts.latitude = 37.5f;
  facts.longitude = 127.25f;
  facts.x = 0.03125;
  facts.y = -1.5;
  facts.z = 2;
  facts.map_view = true;
  return facts;
}

std::vector<std::string> TextsOf(const ReportPage& page) {
  std::vector<std::string> texts;
  for (const ReportItem& item : page) {
    texts.push_back(item.picture == ReportPicture::kNone ? item.text : "<picture>");
  }
  return texts;
}

const ReportItem* Find(const ReportPage& page, const std::string& text) {
  for (const ReportItem& item : page) {
    if (item.picture == ReportPicture::kNone && item.text == text) return &item;
  }
  return nullptr;
}

TEST(ReportLayout, TitlesFollowTheModel) {
  EXPECT_EQ(ModelViewerTitle(0), "KT410A Viewer");
  EXPECT_EQ(ModelViewerTitle(3), "MERIDA Viewer");
  EXPECT_EQ(ModelViewerTitle(4), "KT520A(Merida) Viewer");
  EXPECT_EQ(ModelReportTitle(5), "KT730A(Merida) Report");
  EXPECT_EQ(ModelViewerTitle(6), "");
  EXPECT_EQ(ModelReportTitle(-1), "");
}

TEST(ReportLayout, BothPagesHoldTheirContentsInOrder) {
  const auto pages = LayOutReport(TwoChannelFacts(), {1000, 2000, 600}, ReportTexts(Texts));
  EXPECT_EQ(
      TextsOf(pages[0]),
      (std::vector<std::string>{"KT520A(Merida) Viewer", "2026-01-02 03:04:05",
                                "KT520A(Merida) Report", "1. T200", "-T201", "-T202", "<picture>",
                                "-T203", "<picture>", "KT520A(Merida) Viewer", "Page 1 of 2"}));
  EXPECT_EQ(TextsOf(pages[1]),
            (std::vector<std::string>{"KT520A(Merida) Viewer", "2026-01-02 03:04:05", "2. T204",
                                      "T128 : 37.50000000", "T129 : 127.25000000", "T126",
                                      "<picture>", "3. T205", "T206",
                                      "T206 : X = 0.03125000, Y = -1.50000000, Z = 2.00000000",
                                      "KT520A(Merida) Viewer", "Page 2 of 2"}));
  // Places in whole percents of the printable area; pictures at 60 % x 26 % and 40 % x 20 %.
  const ReportItem& frame2 = pages[0][8];
  EXPECT_EQ(frame2.picture, ReportPicture::kFrame2);
  EXPECT_EQ((std::vector<int>{frame2.x, frame2.y, frame2.width, frame2.height}),
            (std::vector<int>{200, 1200, 600, 520}));
  const ReportItem& map = pages[1][6];
  EXPECT_EQ(map.picture, ReportPicture::kMap);
  EXPECT_EQ((std::vector<int>{map.x, map.y, map.width, map.height}),
            (std::vector<int>{200, 500, 400, 400}));
  const ReportItem* page_number = Find(pages[1], "Page 2 of 2");
  ASSERT_NE(page_number, nullptr);
  EXPECT_EQ(page_number->x, 800);
  EXPECT_EQ(page_number->y, 1900);
  // Sizes 20, 25 and 40 are cells of 100, 125 and 200 pixels at 600 dpi.
  EXPECT_EQ(pages[0][0].cell_height, 100);
  EXPECT_EQ(pages[0][2].cell_height, 200);
  EXPECT_EQ(pages[0][3].cell_height, 125);
}

TEST(ReportLayout, PercentsAreTruncated) {
  const auto pages = LayOutReport(TwoChannelFacts(), {4959, 7017, 600}, ReportTexts(Texts));
  const ReportItem* time = Find(pages[0], "2026-01-02 03:04:05");
  ASSERT_NE(time, nullptr);
  EXPECT_EQ(time->x, 3967);  // 4959 x 80 / 100 = 3967.2
  EXPECT_EQ(time->y, 350);   // 7017 x 5 / 100 = 350.85
}

TEST(ReportLayout, OneChannelLeavesOutTheRearCameraAndNoPositionLeavesOutTheMap) {
  ReportFacts facts = TwoChannelFacts();
  facts.channel_count = 1;
  facts.latitude = facts.longitude = facts.x = facts.y = facts.z = 0;
  const auto pages = LayOutReport(facts, {1000, 2000, 600}, ReportTexts(Texts));
  EXPECT_EQ(Find(pages[0], "-T203"), nullptr);
  int pictures = 0;
  for (const ReportPage& page : pages) {
    for (const ReportItem& item : page) pictures += item.picture != ReportPicture::kNone;
  }
  EXPECT_EQ(pictures, 1);
  EXPECT_NE(Find(pages[1], "T128 : 0.00000000"), nullptr);
  EXPECT_NE(Find(pages[1], "T206 : X = 0.00000000, Y = 0.00000000, Z = 0.00000000"), nullptr);
}

TEST(ReportLayout, OneCoordinateOfZeroOrNoMapViewLeavesOutTheMapPicture) {
  for (int variant = 0; variant < 3; ++variant) {
    ReportFacts facts = TwoChannelFacts();
    if (variant == 0) facts.latitude = 0;
    if (variant == 1) facts.longitude = 0;
    if (variant == 2) facts.map_view = false;
    const auto pages = LayOutReport(facts, {1000, 2000, 600}, ReportTexts(Texts));
    for (const ReportItem& item : pages[1]) {
      EXPECT_NE(item.picture, ReportPicture::kMap) << variant;
    }
  }
}

TEST(ReportLayout, WithoutTheLanguageLibraryOnlyHeadersFootersAndTheTitleRemain) {
  const auto pages = LayOutReport(TwoChannelFacts(), {1000, 2000, 600}, std::nullopt);
  EXPECT_EQ(
      TextsOf(pages[0]),
      (std::vector<std::string>{"KT520A(Merida) Viewer", "2026-01-02 03:04:05",
                                "KT520A(Merida) Report", "KT520A(Merida) Viewer", "Page 1 of 2"}));
  EXPECT_EQ(pages[1].size(), 4u);
}

TEST(ReportLayout, APageLooksTheSameAtThreeAndSixHundredDpi) {
  // A4 printable areas of the same printer at both resolutions.
  const auto coarse = LayOutReport(TwoChannelFacts(), {2400, 3400, 300}, ReportTexts(Texts));
  const auto fine = LayOutReport(TwoChannelFacts(), {4800, 6800, 600}, ReportTexts(Texts));
  for (size_t page = 0; page < 2; ++page) {
    ASSERT_EQ(coarse[page].size(), fine[page].size());
    for (size_t i = 0; i < fine[page].size(); ++i) {
      const ReportItem& a = coarse[page][i];
      const ReportItem& b = fine[page][i];
      EXPECT_EQ(a.x * 2, b.x);
      EXPECT_EQ(a.y * 2, b.y);
      // A size-25 cell is 62.5 pixels at 300 dpi.
      EXPECT_NEAR(a.cell_height * 2, b.cell_height, 1);
      EXPECT_EQ(a.width * 2, b.width);
      EXPECT_EQ(a.height * 2, b.height);
    }
  }
}

}  // namespace
}  // namespace vantrel::tools
