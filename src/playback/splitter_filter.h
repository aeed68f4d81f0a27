// The splitter as the media graph uses it: it loads a recording, shows its output pins in
// stream order, hands out each pin's packets and seeks them, and takes the SplitterControl
// calls. The recording's own splitter stands behind it; tests put splitters of any shape there.
// Implementations are thread-safe: the engine's threads pull packets while the player seeks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "playback/splitter_control.h"
#include "playback/stream_splitter.h"

namespace vantrel {

class SplitterFilter : public SplitterControl {
 public:
  virtual bool Load(const std::string& path) = 0;
  virtual std::vector<OutputPin> Pins() const = 0;
  // 100-ns units.
  virtual int64_t Duration() const = 0;
  virtual std::optional<MediaPacket> NextPacket(size_t pin) = 0;
  // Every pin to the key frame at or before time; that frame's time.
  virtual std::optional<int64_t> Seek(int64_t time) = 0;
};

// The recording's splitter (our AVI stream splitter) behind the filter's face.
std::unique_ptr<SplitterFilter> MakeRecordingSplitter();

}  // namespace vantrel
