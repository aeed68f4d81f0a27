// The splitter filter that reads real recordings: a thin face over StreamSplitter.
#include "playback/splitter_filter.h"

namespace vantrel {
namespace {

class RecordingSplitter : public SplitterFilter {
 public:
  int SetParseMode(int32_t flag) override { return splitter_.SetParseMode(flag); }
  int FetchTelemetryPacket(uint8_t* buffer, int32_t* size, uint32_t* time_stamp) override {
    return splitter_.FetchTelemetryPacket(buffer, size, time_stamp);
  }
  int SetCardSource(intptr_t device, int32_t value) override {
    return splitter_.SetCardSource(device, value);
  }
  bool Load(const std::string& path) override { return splitter_.Load(path); }
  std::vector<OutputPin> Pins() const override { return splitter_.Pins(); }
  int64_t Duration() const override { return splitter_.Duration(); }
  std::optional<MediaPacket> NextPacket(size_t pin) override { return splitter_.NextPacket(pin); }
  std::optional<int64_t> Seek(int64_t time) override { return splitter_.Seek(time); }

 private:
  StreamSplitter splitter_;
};

}  // namespace

std::unique_ptr<SplitterFilter> MakeRecordingSplitter() {
  return std::make_unique<RecordingSplitter>();
}

}  // namespace vantrel
