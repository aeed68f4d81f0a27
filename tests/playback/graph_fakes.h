// Stand-ins for the machine's graph components in the media graph tests: a splitter with any
// pins, components that fail on request, a sink of a fixed size and a time source moved by hand.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "playback/graph_codes.h"
#include "playback/graph_components.h"
#include "playback/playback_clock.h"
#include "playback/video_sink.h"

namespace vantrel::test {

inline OutputPin Pin(const std::string& name, MajorType major, MediaSubtype subtype) {
  OutputPin pin;
  pin.name = name;
  pin.type.major = major;
  pin.type.subtype = subtype;
  return pin;
}
inline OutputPin H264(const std::string& name) {
  return Pin(name, MajorType::kVideo, MediaSubtype::kH264);
}
inline OutputPin Aac(const std::string& name = "Audio") {
  return Pin(name, MajorType::kAudio, MediaSubtype::kAac);
}
inline OutputPin Pcm(const std::string& name = "Audio") {
  return Pin(name, MajorType::kAudio, MediaSubtype::kPcm);
}
inline OutputPin Text() { return Pin("Text", MajorType::kText, MediaSubtype::kTelemetry); }

class FakeSplitter : public SplitterFilter {
 public:
  FakeSplitter(std::vector<OutputPin> pins, int64_t duration, bool loads)
      : pins_(std::move(pins)), duration_(duration), loads_(loads) {}
  int SetParseMode(int32_t flag) override {
    parse_mode = flag;
    return 0;
  }
  int FetchTelemetryPacket(uint8_t*, int32_t*, uint32_t*) override { return 38; }
  int SetCardSource(intptr_t device, int32_t value) override {
    card = {device, value};
    return 0;
  }
  bool Load(const std::string&) override { return loads_; }
  std::vector<OutputPin> Pins() const override { return pins_; }
  int64_t Duration() const override { return duration_; }
  std::optional<MediaPacket> NextPacket(size_t) override { return std::nullopt; }
  std::optional<int64_t> Seek(int64_t time) override {
    seeks.push_back(time);
    return time;
  }

  int32_t parse_mode = -1;
  std::vector<int64_t> seeks;
  std::pair<intptr_t, int32_t> card{99, 99};

 private:
  std::vector<OutputPin> pins_;
  int64_t duration_;
  bool loads_;
};

// Components whose splitter shows `pins`; any role listed in fail_roles fails to be made.
class FakeComponents : public StandardGraphComponents {
 public:
  explicit FakeComponents(std::vector<OutputPin> pins = {H264("Video 1")}, bool sound = true)
      : StandardGraphComponents(sound), pins_(std::move(pins)) {}

  int32_t CreateGraph() override { return graph_code; }
  int32_t CreateSplitter(std::unique_ptr<SplitterFilter>* splitter) override {
    if (splitter_code != kGraphOk || missing_splitter) return splitter_code;
    auto fake = std::make_unique<FakeSplitter>(pins_, duration, loads);
    last_splitter = fake.get();
    *splitter = std::move(fake);
    return kGraphOk;
  }
  int32_t CreateFilter(FilterRole role) override {
    for (FilterRole failing : fail_roles) {
      if (failing == role) return kFail;
    }
    return StandardGraphComponents::CreateFilter(role);
  }

  int32_t graph_code = kGraphOk;
  int32_t splitter_code = kGraphOk;
  bool missing_splitter = false;
  bool loads = true;
  int64_t duration = 30'000'000;  // 3 s
  std::vector<FilterRole> fail_roles;
  FakeSplitter* last_splitter = nullptr;

 private:
  std::vector<OutputPin> pins_;
};

class FixedSink : public VideoSink {
 public:
  explicit FixedSink(SinkRect rect = {320, 180}) : rect_(rect) {}
  SinkRect ClientRect() const override { return rect_; }
  void Present(const SinkPicture&) override { ++presented; }
  int presented = 0;

 private:
  SinkRect rect_;
};

// Time that moves only when the test says so (read by the engine's playback thread too).
struct ManualTime {
  std::atomic<int64_t> now{0};
  TimeSource Source() {
    return [this] { return now.load(); };
  }
};

}  // namespace vantrel::test
