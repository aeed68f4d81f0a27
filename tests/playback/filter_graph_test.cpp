// Joining filters: the shared budget of three attempts, pin order, and what joined pins refuse.
#include "playback/filter_graph.h"

#include <gtest/gtest.h>

#include "playback/graph_codes.h"

namespace vantrel {
namespace {

// Refuses the first `refusals` pairs it is asked about, then joins everything.
class CountingConnector : public PinConnector {
 public:
  explicit CountingConnector(int refusals) : refusals_(refusals) {}
  int32_t ConnectPins(const GraphFilter&, const GraphPin& output, const GraphFilter&,
                      const GraphPin&) override {
    tried.push_back(output.name);
    return static_cast<int>(tried.size()) <= refusals_ ? kCannotConnect : kGraphOk;
  }
  std::vector<std::string> tried;

 private:
  int refusals_;
};

std::vector<GraphPin> Outputs(int count) {
  std::vector<GraphPin> pins;
  for (int i = 1; i <= count; ++i)
    pins.push_back(GraphPin{"Out " + std::to_string(i), true, {}, std::nullopt});
  return pins;
}

TEST(FilterGraph, GivesUpOnTheFourthPairAfterThreeRefusals) {
  CountingConnector connector(3);
  FilterGraph graph(connector);
  ASSERT_TRUE(graph.AddFilter("from", FilterRole::kSplitter, Outputs(5)));
  ASSERT_TRUE(
      graph.AddFilter("to", FilterRole::kVideoDecoder, StandardPins(FilterRole::kVideoDecoder)));
  EXPECT_EQ(graph.ConnectFilters("from", "to"), 0);
  EXPECT_EQ(connector.tried, (std::vector<std::string>{"Out 1", "Out 2", "Out 3"}));
  EXPECT_FALSE(graph.Find("to")->pins[0].peer.has_value());
}

TEST(FilterGraph, JoinsTheFirstAcceptedPairAndSkipsJoinedPins) {
  CountingConnector connector(2);
  FilterGraph graph(connector);
  graph.AddFilter("from", FilterRole::kSplitter, Outputs(4));
  graph.AddFilter("a", FilterRole::kVideoDecoder, StandardPins(FilterRole::kVideoDecoder));
  graph.AddFilter("b", FilterRole::kVideoDecoder, StandardPins(FilterRole::kVideoDecoder));
  EXPECT_EQ(graph.ConnectFilters("from", "a"), 1);
  ASSERT_TRUE(graph.Find("a")->pins[0].peer.has_value());
  EXPECT_EQ(graph.Find("a")->pins[0].peer->pin, 2u);
  // The joined input is not offered again, and the next call starts after the joined output.
  EXPECT_EQ(graph.ConnectFilters("from", "a"), kFail);
  EXPECT_EQ(graph.ConnectFilters("from", "b"), 1);
  EXPECT_EQ(graph.Find("b")->pins[0].peer->pin, 0u);
  // Removing a filter frees its peer's pin.
  graph.RemoveFilter("a");
  EXPECT_FALSE(graph.Find("from")->pins[2].peer.has_value());
  EXPECT_EQ(graph.ConnectFilters("from", "missing"), kNullPointer);
  EXPECT_FALSE(graph.AddFilter("b", FilterRole::kVideoDecoder, {}));
  EXPECT_EQ(graph.FilterNames(), (std::vector<std::string>{"from", "b"}));
}

}  // namespace
}  // namespace vantrel
