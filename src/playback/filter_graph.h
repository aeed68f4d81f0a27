// The assembly record of a media graph: which filters were added under which names, their pins,
// and which pins are joined. It decides nothing about media itself: whether two pins may be
// joined is asked of the PinConnector, so the machine's components (or a test) have the say.
// Not thread-safe; the player that owns it uses it from one thread at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "playback/media_type.h"

namespace vantrel {

enum class FilterRole {
  kSplitter,
  kVideoDecoder,
  kBrightness,
  kColourConverter,
  kVideoRenderer,
  kAacDecoder,
  kSoundRenderer,
};

struct PinRef {
  std::string filter;
  size_t pin = 0;
};

struct GraphPin {
  std::string name;
  bool output = false;
  MediaType type;  // what leaves an output pin; what an input pin was joined with
  std::optional<PinRef> peer;
};

struct GraphFilter {
  std::string name;
  FilterRole role = FilterRole::kSplitter;
  std::vector<GraphPin> pins;
};

class PinConnector {
 public:
  virtual ~PinConnector() = default;
  // kGraphOk when the two pins were joined; any other value refuses the pair.
  virtual int32_t ConnectPins(const GraphFilter& from, const GraphPin& output,
                              const GraphFilter& to, const GraphPin& input) = 0;
};

// The pins a filter of the role offers; the splitter's come from the recording instead.
std::vector<GraphPin> StandardPins(FilterRole role);

class FilterGraph {
 public:
  explicit FilterGraph(PinConnector& connector) : connector_(connector) {}

  // False when the name is taken.
  bool AddFilter(const std::string& name, FilterRole role, std::vector<GraphPin> pins);
  // Disconnects the filter's pins (and their peers) and removes it; nothing when absent.
  void RemoveFilter(const std::string& name);
  const GraphFilter* Find(const std::string& name) const;

  // Joins the first free output pin of `from` that the connector accepts to a free input pin of
  // `to`, trying pairs in pin order. Three attempts in all: 1 when a pair joined, 0 when the
  // attempts ran out, kFail when the pins ran out, kNullPointer when a filter is absent.
  int32_t ConnectFilters(const std::string& from, const std::string& to);

  // Names in the order the filters were added.
  std::vector<std::string> FilterNames() const;

 private:
  GraphFilter* FindMutable(const std::string& name);

  PinConnector& connector_;
  std::vector<GraphFilter> filters_;
};

}  // namespace vantrel
