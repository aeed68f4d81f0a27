// The list filter commands: their ids, their gates, and where the selection and the playing
// mark end up in the refilled list.
#include "catalogue/list_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue_test_support.h"

namespace vantrel {
namespace {

// Records what the command asks of the list's selection and of the filter buttons.
class FakeWindow : public ListSelection, public FilterButtons {
 public:
  void SelectRow(int row) override { calls.push_back("select " + std::to_string(row)); }
  void ScrollToRow(int row) override { calls.push_back("scroll " + std::to_string(row)); }
  void RedrawList() override { calls.push_back("redraw list"); }
  int MarkedRow() const override { return mark; }
  void SetMarkedRow(int row) override { mark = row; }
  void RedrawRow(int row) override { calls.push_back("redraw " + std::to_string(row)); }
  void ShowPressed(ListFilter filter) override { pressed = filter; }

  std::vector<std::string> calls;
  int mark = -1;
  std::optional<ListFilter> pressed;
};

class ListFilterTest : public ::testing::Test {
 protected:
  ListFilterTest() {
    test::AddRecording(catalogue_, "REC_20120815_143000.avi");
    test::AddRecording(catalogue_, "EVT_20120815_143005_F.AVI");
    test::AddRecording(catalogue_, "REC_20120815_143010.avi");
    test::AddRecording(catalogue_, "EVT_20120815_143015.avi");
    catalogue_.SortEntries();
    catalogue_.FillAll(list_, language_.Lookup());
  }

  bool Run(ListFilter filter, std::string_view playing, bool busy = false) {
    FilterCommandState state;
    state.busy = busy;
    state.enabled = EnableFlagsFrom(catalogue_.kind_presence());
    state.current_recording = playing;
    return RunFilterCommand(filter, state, {catalogue_, list_, window_, window_},
                            language_.Lookup());
  }

  RecordingCatalogue catalogue_;
  test::CountingList list_;
  test::FakeLanguage language_;
  FakeWindow window_;
};

TEST(ListFilterCommandTest, ButtonsAndMenuCommandsChooseTheirFilter) {
  EXPECT_EQ(FilterOfCommand(1023), ListFilter::kInfinite);  // buttons and menus differ in order
  EXPECT_EQ(FilterOfCommand(32824), ListFilter::kInfinite);
  EXPECT_EQ(FilterOfCommand(1022), ListFilter::kEvent);
  EXPECT_EQ(FilterOfCommand(32825), ListFilter::kEvent);
  EXPECT_EQ(FilterOfCommand(1025), std::nullopt);
  EXPECT_EQ(EnableFlagsFrom({true, false, true, false}),
            (FilterEnableFlags{true, false, true, false}));
}

TEST_F(ListFilterTest, BusyOrDisabledFilterDoesNothing) {
  EXPECT_FALSE(Run(ListFilter::kEvent, "", /*busy=*/true));
  EXPECT_FALSE(Run(ListFilter::kParking, ""));  // no parking recording: not enabled
  EXPECT_EQ(list_.RowCount(), 4);
  EXPECT_FALSE(window_.pressed.has_value());
  EXPECT_TRUE(window_.calls.empty());
}

TEST_F(ListFilterTest, PlayingRecordingIsFoundAgainAndMarked) {
  window_.mark = 1;
  ASSERT_TRUE(Run(ListFilter::kEvent, "evt_20120815_143015.AVI"));
  EXPECT_EQ(list_.RowCount(), 2);
  EXPECT_EQ(window_.pressed, ListFilter::kEvent);
  EXPECT_EQ(window_.mark, 1);
  EXPECT_EQ(window_.calls,
            (std::vector<std::string>{"select 1", "scroll 1", "redraw list", "redraw 1"}));

  window_.calls.clear();
  ASSERT_TRUE(Run(ListFilter::kAll, "EVT_20120815_143015.avi"));
  EXPECT_EQ(window_.mark, 3);
  EXPECT_EQ(window_.calls, (std::vector<std::string>{"select 3", "scroll 3", "redraw list",
                                                     "redraw 1", "redraw 3"}));
}

TEST_F(ListFilterTest, WithoutThePlayingRowTheFirstRowTakesOver) {
  window_.mark = 2;
  ASSERT_TRUE(Run(ListFilter::kInfinite, "EVT_20120815_143015.avi"));
  EXPECT_EQ(window_.mark, 0);
  EXPECT_EQ(window_.calls,
            (std::vector<std::string>{"select 0", "scroll 0", "redraw 2", "redraw 0"}));

  // Already on row 0: the mark stays and nothing is redrawn for it.
  window_.calls.clear();
  ASSERT_TRUE(Run(ListFilter::kEvent, "REC_20120815_143000.avi"));
  EXPECT_EQ(window_.calls, (std::vector<std::string>{"select 0", "scroll 0"}));

  // Nothing playing: the selection and the mark are left alone.
  window_.calls.clear();
  ASSERT_TRUE(Run(ListFilter::kAll, ""));
  EXPECT_TRUE(window_.calls.empty());
  EXPECT_EQ(window_.pressed, ListFilter::kAll);
}

TEST_F(ListFilterTest, EmptyResultTakesTheMarkOffTheList) {
  catalogue_.BeginScan();
  test::AddRecording(catalogue_, "rec_20120815_143000.avi");  // Unknown: only under All
  catalogue_.FillAll(list_, language_.Lookup());
  window_.mark = 0;
  FilterCommandState state;
  state.enabled = {true, true, true, true};
  state.current_recording = "REC_20120815_143000.avi";
  ASSERT_TRUE(RunFilterCommand(ListFilter::kInfinite, state, {catalogue_, list_, window_, window_},
                               language_.Lookup()));
  EXPECT_EQ(list_.RowCount(), 0);
  // Mark on row 0 already: the rule keeps it there even on an empty list.
  EXPECT_EQ(window_.mark, 0);

  window_.mark = 1;
  window_.calls.clear();
  ASSERT_TRUE(RunFilterCommand(ListFilter::kEvent, state, {catalogue_, list_, window_, window_},
                               language_.Lookup()));
  EXPECT_EQ(window_.mark, -1);
  EXPECT_EQ(window_.calls, (std::vector<std::string>{"redraw 1"}));
}

}  // namespace
}  // namespace vantrel
