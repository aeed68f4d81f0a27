// vantrel-cli export: a recording's route as a GPX 1.1 track, or all of its telemetry as CSV
// (the columns are described in telemetry/telemetry_export.h).
#include <unistd.h>

#include <cstdio>
#include <string>

#include "arguments.h"
#include "commands.h"
#include "failures.h"
#include "files/same_file.h"
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
  // Standard output sent into the recording itself (">>" keeps it whole until written) would
  // grow the file being read.
  if (const auto out = files::IdentityOf(STDOUT_FILENO); out && out == files::IdentityOf(file)) {
    return Failure("export", "standard output is the same file as input " + file);
  }
  TelemetryStore& store = ProcessTelemetryStore();
  if (!LoadRecordingTelemetry(file, store, "export")) return 1;
  const std::string text = gpx ? TelemetryGpx(store) : TelemetryCsv(store);
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}

}  // namespace vantrel::cli
