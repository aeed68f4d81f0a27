#include "playback/filter_graph.h"

#include <algorithm>

#include "playback/graph_codes.h"

namespace vantrel {
namespace {

constexpr int kConnectAttempts = 3;

MediaType DecodedVideo() {
  MediaType type;
  type.major = MajorType::kVideo;
  type.subtype = MediaSubtype::kOtherVideo;  // decoded pictures
  return type;
}

MediaType DecodedAudio() {
  MediaType type;
  type.major = MajorType::kAudio;
  type.subtype = MediaSubtype::kPcm;
  return type;
}

GraphPin Input(const std::string& name) { return GraphPin{name, false, {}, std::nullopt}; }
GraphPin Output(const std::string& name, MediaType type) {
  return GraphPin{name, true, std::move(type), std::nullopt};
}

}  // namespace

std::vector<GraphPin> StandardPins(FilterRole role) {
  switch (role) {
    case FilterRole::kSplitter:
      return {};
    case FilterRole::kVideoDecoder:
    case FilterRole::kBrightness:
    case FilterRole::kColourConverter:
      return {Input("In"), Output("Out", DecodedVideo())};
    case FilterRole::kVideoRenderer:
      return {Input("VMR Input0")};
    case FilterRole::kAacDecoder:
      return {Input("In"), Output("Out", DecodedAudio())};
    case FilterRole::kSoundRenderer:
      return {Input("Audio Input pin (rendered)")};
  }
  return {};
}

bool FilterGraph::AddFilter(const std::string& name, FilterRole role, std::vector<GraphPin> pins) {
  if (Find(name) != nullptr) return false;
  filters_.push_back(GraphFilter{name, role, std::move(pins)});
  return true;
}

void FilterGraph::RemoveFilter(const std::string& name) {
  GraphFilter* filter = FindMutable(name);
  if (filter == nullptr) return;
  for (GraphPin& pin : filter->pins) {
    if (!pin.peer) continue;
    if (GraphFilter* other = FindMutable(pin.peer->filter);
        other != nullptr && pin.peer->pin < other->pins.size()) {
      other->pins[pin.peer->pin].peer.reset();
    }
  }
  std::erase_if(filters_, [&](const GraphFilter& f) { return f.name == name; });
}

const GraphFilter* FilterGraph::Find(const std::string& name) const {
  auto it = std::find_if(filters_.begin(), filters_.end(),
                         [&](const GraphFilter& f) { return f.name == name; });
  return it == filters_.end() ? nullptr : &*it;
}

GraphFilter* FilterGraph::FindMutable(const std::string& name) {
  return const_cast<GraphFilter*>(Find(name));
}

int32_t FilterGraph::ConnectFilters(const std::string& from_name, const std::string& to_name) {
  GraphFilter* from = FindMutable(from_name);
  GraphFilter* to = FindMutable(to_name);
  if (from == nullptr || to == nullptr || from == to) return kNullPointer;
  int attempts_left = kConnectAttempts;
  for (size_t out = 0; out < from->pins.size(); ++out) {
    GraphPin& output = from->pins[out];
    if (!output.output || output.peer) continue;
    for (size_t in = 0; in < to->pins.size(); ++in) {
      GraphPin& input = to->pins[in];
      if (input.output || input.peer) continue;
      if (attempts_left == 0) return 0;
      --attempts_left;
      if (connector_.ConnectPins(*from, output, *to, input) != kGraphOk) continue;
      output.peer = PinRef{to->name, in};
      input.peer = PinRef{from->name, out};
      input.type = output.type;
      return 1;
    }
  }
  return kFail;
}

std::vector<std::string> FilterGraph::FilterNames() const {
  std::vector<std::string> names;
  for (const GraphFilter& filter : filters_) names.push_back(filter.name);
  return names;
}

}  // namespace vantrel
