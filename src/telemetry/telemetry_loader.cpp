#include "telemetry/telemetry_loader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <thread>

namespace vantrel {
namespace {

class SystemClock : public LoaderClock {
 public:
  std::chrono::steady_clock::time_point Now() override { return std::chrono::steady_clock::now(); }
  void SleepFor(std::chrono::milliseconds duration) override {
    std::this_thread::sleep_for(duration);
  }
};

}  // namespace

LoaderClock& SystemLoaderClock() {
  static SystemClock clock;
  return clock;
}

TelemetryLoadResult LoadTelemetry(SplitterControl* splitter, TelemetryStore& store,
                                  LoaderClock& clock, const TelemetryLoadTiming& timing) {
  store.ResetTelemetry(TelemetryArray::kGsensor);
  store.ResetTelemetry(TelemetryArray::kGps);

  std::array<uint8_t, kTelemetryPacketSize> buffer;
  auto last_progress = clock.Now();
  for (;;) {
    // A fresh zeroed buffer every time: a short packet must never show the tail of the last one.
    buffer.fill(0);
    int32_t size = static_cast<int32_t>(buffer.size());
    uint32_t time_stamp = 0;
    const int result = splitter == nullptr
                           ? -1
                           : splitter->FetchTelemetryPacket(buffer.data(), &size, &time_stamp);
    if (result == kTelemetryPacketDelivered) {
      const size_t delivered =
          static_cast<size_t>(std::clamp<int32_t>(size, 0, kTelemetryPacketSize));
      store.ParseTelemetryPacket(buffer.data(), delivered, time_stamp);
      last_progress = clock.Now();
      continue;
    }
    if (result == kNoMoreTelemetryPackets) return TelemetryLoadResult::kComplete;
    // Nothing ready: pause briefly so the loop does not hog a processor, and stop waiting on a
    // splitter that has gone quiet for good.
    if (clock.Now() - last_progress >= timing.give_up_after) return TelemetryLoadResult::kGaveUp;
    clock.SleepFor(timing.idle_wait);
  }
}

}  // namespace vantrel
