// The parts of a media graph that come from the machine and can be missing or refuse: the
// graph itself, the splitter, each filter role (the sound renderer needs a sound device) and
// the joining of two pins. The player asks for them in the build's order; tests derive from
// StandardGraphComponents to make any of them fail.
#pragma once

#include <cstdint>
#include <memory>

#include "playback/audio_output.h"
#include "playback/filter_graph.h"
#include "playback/splitter_filter.h"

namespace vantrel {

class GraphComponents : public PinConnector {
 public:
  // kGraphOk, or the failure code.
  virtual int32_t CreateGraph() = 0;
  // kGraphOk with *splitter set; a failure code; or kGraphOk with no splitter when the filter
  // is missing.
  virtual int32_t CreateSplitter(std::unique_ptr<SplitterFilter>* splitter) = 0;
  // Whether a filter of the role can be made: kGraphOk, or the failure code.
  virtual int32_t CreateFilter(FilterRole role) = 0;
  // The sound device behind a built sound renderer; none plays the recording silent.
  virtual std::unique_ptr<AudioOutput> CreateAudioOutput() { return nullptr; }
};

// What this machine offers: every role, the recording splitter, and pins joined when the
// downstream filter takes what the upstream pin carries (H.264 into the video decoder, decoded
// pictures down the chain, AAC into the AAC decoder, PCM into the sound renderer). The sound
// renderer exists only with a sound device; it plays through the device's factory, or silent
// when there is none.
class StandardGraphComponents : public GraphComponents {
 public:
  explicit StandardGraphComponents(bool sound_device) : sound_device_(sound_device) {}
  explicit StandardGraphComponents(AudioOutputFactory sound_device)
      : sound_device_(sound_device != nullptr), audio_output_(std::move(sound_device)) {}

  int32_t CreateGraph() override;
  int32_t CreateSplitter(std::unique_ptr<SplitterFilter>* splitter) override;
  int32_t CreateFilter(FilterRole role) override;
  int32_t ConnectPins(const GraphFilter& from, const GraphPin& output, const GraphFilter& to,
                      const GraphPin& input) override;
  std::unique_ptr<AudioOutput> CreateAudioOutput() override;

 private:
  bool sound_device_;
  AudioOutputFactory audio_output_;
};

}  // namespace vantrel
