// The catalogue's lists and look-ups, and the list fills with their row texts, filters and kind
// presence.
#include "catalogue/recording_catalogue.h"

#include <gtest/gtest.h>

#include "catalogue/recording_list.h"
#include "catalogue_test_support.h"

namespace vantrel {
namespace {

using test::AddRecording;
using test::CountingList;
using test::FakeLanguage;

// One recording of each kind, added out of order.
void AddMixedRecordings(RecordingCatalogue& catalogue) {
  AddRecording(catalogue, "REC_20120815_143010.avi", 4096);
  AddRecording(catalogue, "EVT_20120815_143005_F.AVI", 2048);
  AddRecording(catalogue, "MOT_20120815_143020.avi");
  AddRecording(catalogue, "rec_20120815_143030.avi");
  AddRecording(catalogue, "clip.avi");
  catalogue.SortEntries();
}

TEST(CatalogueTest, NameListsIgnoreRepeatsAndLookUpsOutOfRangeGiveNone) {
  RecordingCatalogue catalogue;
  EXPECT_EQ(catalogue.open_source_kind(), SourceKind::kNone);
  EXPECT_EQ(catalogue.opened_source_index(), -1);
  EXPECT_FALSE(catalogue.AcceptName("clip.avi"));  // until the window gives the extension

  test::SetUpNames(catalogue);
  catalogue.AddExtension("avi");
  catalogue.AddExtension("");
  catalogue.AddDirectoryName("EVENT");
  EXPECT_EQ(catalogue.extensions(), std::vector<std::string>{"avi"});
  ASSERT_EQ(catalogue.directory_names().size(), 4u);
  EXPECT_EQ(NarrowText(catalogue.DirectoryNameAt(3)->narrow), "PARKING");
  EXPECT_EQ(catalogue.DirectoryNameAt(4), nullptr);
  EXPECT_EQ(catalogue.DirectoryNameAt(-1), nullptr);

  AddRecording(catalogue, "REC_20120815_143010.avi");
  catalogue.SetSources({SourceRecord{}});
  EXPECT_NE(catalogue.EntryAt(0), nullptr);
  EXPECT_EQ(catalogue.EntryAt(1), nullptr);
  EXPECT_EQ(catalogue.EntryAt(-1), nullptr);
  EXPECT_EQ(catalogue.SourceAt(1), nullptr);
  EXPECT_EQ(catalogue.EntryAtRow(0), nullptr);  // nothing listed yet
}

TEST(CatalogueFillTest, FillAllListsEveryRecordingInTimeOrder) {
  RecordingCatalogue catalogue;
  AddMixedRecordings(catalogue);
  CountingList list;
  FakeLanguage language;
  ASSERT_EQ(catalogue.FillAll(list, language.Lookup()), 5);

  EXPECT_EQ(list.rows()[0],
            (RowTexts{"1", "0000-00-00", "00:00:00", "UnKnown", "/cam/clip.avi", "clip.avi"}));
  EXPECT_EQ(list.rows()[1],
            (RowTexts{"2", "2012-08-15", "14:30:05", "Event", "/cam/EVT_20120815_143005_F.AVI",
                      "EVT_20120815_143005_F.AVI"}));
  EXPECT_EQ(list.ColumnText(2, 3), "Normal");
  EXPECT_EQ(list.ColumnText(3, 3), "Motion");
  EXPECT_EQ(list.ColumnText(4, 3), "UnKnown");
  EXPECT_EQ(list.ColumnText(4, 0), "5");
  EXPECT_EQ(catalogue.EntryAtRow(1)->name, "EVT_20120815_143005_F.AVI");
  EXPECT_EQ(catalogue.EntryAtRow(5), nullptr);
  EXPECT_EQ(list.suspends, 1);
  EXPECT_EQ(list.resumes, 1);
  const KindPresence presence = catalogue.kind_presence();
  EXPECT_TRUE(presence.any && presence.infinite && presence.event && presence.parking);
}

TEST(CatalogueFillTest, FillByKindListsOneKindButNotesEveryKind) {
  RecordingCatalogue catalogue;
  AddMixedRecordings(catalogue);
  CountingList list;
  FakeLanguage language;

  ASSERT_EQ(catalogue.FillByKind(list, RecordingKind::kEvent, language.Lookup()), 1);
  EXPECT_EQ(list.ColumnText(0, 0), "1");
  EXPECT_EQ(list.ColumnText(0, 5), "EVT_20120815_143005_F.AVI");
  EXPECT_EQ(catalogue.EntryAtRow(0)->kind(), RecordingKind::kEvent);
  const KindPresence presence = catalogue.kind_presence();
  EXPECT_TRUE(presence.any && presence.infinite && presence.event && presence.parking);

  ASSERT_EQ(catalogue.FillByKind(list, RecordingKind::kParking, language.Lookup()), 1);
  EXPECT_EQ(list.ColumnText(0, 3), "Motion");
  // Unknown recordings are listed only under All.
  EXPECT_EQ(catalogue.FillByKind(list, RecordingKind::kUnknown, language.Lookup()), 0);
  EXPECT_EQ(list.RowCount(), 0);
}

TEST(CatalogueFillTest, EmptyCatalogueKeepsRowsUnderAllAndEmptiesThemUnderAKind) {
  RecordingCatalogue catalogue;
  AddMixedRecordings(catalogue);
  CountingList list;
  FakeLanguage language;
  catalogue.FillAll(list, language.Lookup());

  // A new scan: the old rows stay on screen but lead to no recording.
  catalogue.BeginScan();
  EXPECT_EQ(catalogue.EntryAtRow(0), nullptr);
  EXPECT_EQ(catalogue.FillAll(list, language.Lookup()), 0);
  EXPECT_EQ(list.RowCount(), 5);
  EXPECT_EQ(list.suspends, 1);
  EXPECT_TRUE(catalogue.row_map().empty());

  EXPECT_EQ(catalogue.FillByKind(list, RecordingKind::kInfinite, language.Lookup()), 0);
  EXPECT_EQ(list.RowCount(), 0);
  EXPECT_FALSE(catalogue.kind_presence().any);
}

TEST(CatalogueFillTest, KindTextsAreLookedUpOncePerFillAndFallBackToThePrefix) {
  RecordingCatalogue catalogue;
  for (int second = 0; second < 4; ++second) {
    AddRecording(catalogue, "REC_20120815_14300" + std::to_string(second) + ".avi");
  }
  AddRecording(catalogue, "PRK_20120815_143009.avi");
  AddRecording(catalogue, "MDI_20120815_143009.avi");
  CountingList list;
  FakeLanguage language;
  language.texts.erase(210);  // this library lacks the motion text
  catalogue.FillAll(list, language.Lookup());
  EXPECT_EQ(language.calls, 3);  // 133, 134 and 210, once each
  EXPECT_EQ(list.ColumnText(0, 3), "Normal");
  EXPECT_EQ(list.ColumnText(4, 3), "Parking");
  EXPECT_EQ(list.ColumnText(5, 3), "MDI");

  // No language library at all: rows are still filled.
  catalogue.FillAll(list, LanguageTextLookup(-1));
  EXPECT_EQ(list.ColumnText(0, 3), "REC");
  catalogue.FillAll(list, TextLookup{});
  EXPECT_EQ(list.ColumnText(4, 3), "PRK");
}

TEST(RowOfNameTest, MatchesTheNameColumnIgnoringCaseAndSkipsShortTexts) {
  RowTable list;
  list.InsertRow(0, {"1", "", "", "", "", "abc"});
  list.InsertRow(1, {"2", "", "", "", "", "EVT_20120815_143005_F.AVI"});
  list.InsertRow(2, {"3", "", "", "", "", "evt_20120815_143005_f.avi"});
  list.InsertRow(3, {"4", "", "", "", "", "\xEA\xB0\x80\xEA\xB0\x80\xEA\xB0\x80"});  // 3 chars
  EXPECT_EQ(RowOfName(list, "evt_20120815_143005_F.avi"), 1);
  EXPECT_EQ(RowOfName(list, "abc"), -1);
  EXPECT_EQ(RowOfName(list, "\xEA\xB0\x80\xEA\xB0\x80\xEA\xB0\x80"), -1);
  EXPECT_EQ(RowOfName(list, "REC_20120815_143005.avi"), -1);
}

}  // namespace
}  // namespace vantrel
