// vantrel-cli map-probe: the map page as the viewer drives it, loaded offscreen, after the
// tick's updates at the given playback times.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "commands.h"
#include "failures.h"
#include "number_words.h"
#include "telemetry/map/map_source.h"
#include "telemetry/map/widgets/map_probe.h"
#include "telemetry/telemetry_store.h"

namespace vantrel::cli {

bool LoadRecordingTelemetry(const std::string& path, TelemetryStore& store, const char* command);

namespace {

constexpr char kUsage[] = "map-probe RECORDING --at MS [--at MS...]";

int Usage(const std::string& problem) { return UsageError("map-probe", problem, kUsage); }

}  // namespace

int MapProbeCommand(const Words& words) {
  std::string recording;
  std::vector<int> times;
  for (size_t i = 0; i < words.size(); ++i) {
    if (words[i] == "--at") {
      const std::optional<long long> time =
          i + 1 < words.size() ? WholeNumber(words[i + 1], 0, INT32_MAX) : std::nullopt;
      if (!time) return Usage("--at needs a time in milliseconds from 0 to 2147483647");
      times.push_back(static_cast<int>(*time));
      ++i;
    } else if (recording.empty()) {
      recording = words[i];
    } else {
      return Usage("one recording only");
    }
  }
  if (recording.empty() || times.empty()) return Usage("a recording and a time are needed");

  if (!RecordingReadable("map-probe", recording)) return 1;
  TelemetryStore store;
  if (!LoadRecordingTelemetry(recording, store, "map-probe")) return 1;
  std::string problem;
  const auto report = ui::RunMapProbe(MapSourceOf(""), store, times, problem);
  if (!report) {
    std::fprintf(stderr, "vantrel-cli map-probe: %s\n", problem.c_str());
    return 1;
  }
  std::printf("bound\t%d\n", report->bound ? 1 : 0);
  if (report->has_marker) {
    std::printf("marker\t%.6f\t%.6f\n", report->marker_latitude, report->marker_longitude);
  } else {
    std::printf("marker\tnone\n");
  }
  std::printf("route_points\t%d\n", report->route_points);
  std::string calls;
  for (const std::string& call : report->calls) calls += (calls.empty() ? "" : ",") + call;
  std::printf("calls\t%s\n", calls.c_str());
  return 0;
}

}  // namespace vantrel::cli
