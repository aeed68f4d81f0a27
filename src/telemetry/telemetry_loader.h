// LoadTelemetry: pulls every telemetry packet of the open recording out of the splitter into a
// TelemetryStore. Runs on the loader thread while the viewer's loading flag is set.
#pragma once

#include <chrono>

#include "playback/splitter_control.h"
#include "telemetry/telemetry_store.h"

namespace vantrel {

// The loader's view of time, so that tests can run its waits without waiting.
class LoaderClock {
 public:
  virtual ~LoaderClock() = default;
  virtual std::chrono::steady_clock::time_point Now() = 0;
  virtual void SleepFor(std::chrono::milliseconds duration) = 0;
};

// The real clock: steady_clock and a thread sleep.
LoaderClock& SystemLoaderClock();

struct TelemetryLoadTiming {
  // The pause before asking again when the splitter has no packet ready.
  std::chrono::milliseconds idle_wait{1};
  // How long the splitter may have nothing ready before the load gives up on it.
  std::chrono::milliseconds give_up_after{2000};
};

enum class TelemetryLoadResult {
  kComplete,  // the splitter said no packet is left
  kGaveUp,    // nothing was ready for give_up_after; the store holds what came before
};

// Empties both arrays of store, then appends a record for every packet the splitter delivers.
// A null splitter (its control interface could not be obtained) is never ready.
TelemetryLoadResult LoadTelemetry(SplitterControl* splitter, TelemetryStore& store,
                                  LoaderClock& clock = SystemLoaderClock(),
                                  const TelemetryLoadTiming& timing = {});

}  // namespace vantrel
