// vantrel-cli export: a recording's route as a GPX 1.1 track, or all of its telemetry as CSV
// (the columns are described in telemetry/telemetry_export.h).
#include <cstdio>
#include <string>

#include "arguments.h"
#include "commands.h"
#include "failures.h"
#include "telemetry/telemetry_export.h"
#include "telemetry/telemetry_store.h"

namespace vantrel::cli {

// Defined beside the telemetry command.
bool LoadRecordingTelemetry(const std::string& path, TelemetryStore& store, const char* command);

int ExportCommand(const Words& words) {
  const Arguments arguments(words, {});
  const bool gpx = arguments.Has("gpx");
  if (arguments.positional().size() != 1 || gpx == arguments.Has("csv")) {
    return UsageError("export", "one FILE and one of --gpx and --csv are needed",
                      "export FILE --gpx|--csv");
  }
  const std::string& file = arguments.positional()[0];
  if (!StandardOutputNotInto("export", file)) return 1;
  TelemetryStore& store = ProcessTelemetryStore();
  if (!LoadRecordingTelemetry(file, store, "export")) return 1;
  const std::string text = gpx ? TelemetryGpx(store) : TelemetryCsv(store);
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}

}  // namespace vantrel::cli
