// vantrel-cli telemetry and parse-gps: the telemetry of a recording as the viewer loads it, the
// look-ups at one playback time, and one GPS sentence read as the viewer reads it.
#include <cinttypes>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "arguments.h"
#include "commands.h"
#include "failures.h"
#include "number_words.h"
#include "playback/stream_splitter.h"
#include "telemetry/gps_sentence.h"
#include "telemetry/telemetry_loader.h"
#include "telemetry/telemetry_store.h"

namespace vantrel::cli {

// Shared with the export command.
bool LoadRecordingTelemetry(const std::string& path, TelemetryStore& store, const char* command);

namespace {

int Usage(const char* command, const std::string& problem, const char* usage) {
  if (!problem.empty()) std::fprintf(stderr, "vantrel-cli %s: %s\n", command, problem.c_str());
  std::fprintf(stderr, "usage: vantrel-cli %s\n", usage);
  return 2;
}

// A time on the playback time line. Like the viewer, a negative time wraps to a large unsigned
// one, so it finds nothing.
std::optional<uint32_t> TimeWord(const std::optional<std::string>& word) {
  if (!word) return std::nullopt;
  const std::optional<long long> value = WholeNumber(*word, INT32_MIN, UINT32_MAX);
  if (!value) return std::nullopt;
  return static_cast<uint32_t>(*value);
}

void PrintGpsRecord(const GpsRecord& fix) {
  std::printf("G\t%" PRIu32 "\t%" PRIu32
              "\t%d\t%d\t%d\t%d\t%d\t%d\t%.6f\t%.6f\t%.6f\t%.6f\t%" PRId64 "\n",
              fix.time_stamp, fix.valid, fix.year, fix.month, fix.day, fix.hour, fix.minute,
              fix.second, fix.latitude, fix.longitude, fix.speed, fix.course, fix.fix_time);
}

void PrintGsensorRecord(const GsensorRecord& sample) {
  std::printf("M\t%" PRIu32 "\t%d\t%d\t%d\n", sample.time_stamp, sample.x, sample.y, sample.z);
}

void PrintReadings(const TelemetryStore& store, uint32_t time_ms) {
  const SpeedReading speed = store.SpeedAt(time_ms);
  std::printf("speed\t%d\t%.6f\n", speed.found ? 1 : 0, speed.speed);
  const PositionReading position = store.PositionAt(time_ms);
  std::printf("position\t%d\t%.6f\t%.6f\n", position.found ? 1 : 0, position.latitude,
              position.longitude);
  const GsensorReading gsensor = store.GsensorAt(time_ms);
  std::printf("gsensor\t%d\t%.6f\t%.6f\t%.6f\n", gsensor.found ? 1 : 0, gsensor.x, gsensor.y,
              gsensor.z);
}

}  // namespace

bool LoadRecordingTelemetry(const std::string& path, TelemetryStore& store, const char* command) {
  if (!RecordingReadable(command, path)) return false;
  StreamSplitter splitter;
  if (!splitter.Load(path)) {
    Failure(command, "not a readable recording: " + path);
    return false;
  }
  if (LoadTelemetry(&splitter, store) != TelemetryLoadResult::kComplete) {
    Failure(command, "the telemetry of " + path + " stopped before its end");
    return false;
  }
  return true;
}

int TelemetryCommand(const Words& words) {
  constexpr char kUsage[] = "telemetry FILE [--at MS]";
  const Arguments arguments(words, {"at"});
  if (!arguments.error().empty()) return Usage("telemetry", arguments.error(), kUsage);
  if (arguments.positional().size() != 1) return Usage("telemetry", "expected one FILE", kUsage);
  const std::optional<uint32_t> at = TimeWord(arguments.Value("at"));
  if (arguments.Has("at") && !at) return Usage("telemetry", "MS must be a whole number", kUsage);

  if (!StandardOutputNotInto("telemetry", arguments.positional()[0])) return 1;
  TelemetryStore& store = ProcessTelemetryStore();
  if (!LoadRecordingTelemetry(arguments.positional()[0], store, "telemetry")) return 1;
  if (at) {
    PrintReadings(store, *at);
    return 0;
  }
  for (const GpsRecord& fix : store.gps_records()) PrintGpsRecord(fix);
  for (const GsensorRecord& sample : store.gsensor_records()) PrintGsensorRecord(sample);
  return 0;
}

int ParseGpsCommand(const Words& words) {
  constexpr char kUsage[] = "parse-gps TEXT [--ts N]";
  const Arguments arguments(words, {"ts"});
  if (!arguments.error().empty()) return Usage("parse-gps", arguments.error(), kUsage);
  if (arguments.positional().size() != 1) return Usage("parse-gps", "expected one TEXT", kUsage);
  const std::optional<uint32_t> ts = TimeWord(arguments.Value("ts"));
  if (arguments.Has("ts") && !ts) return Usage("parse-gps", "N must be a whole number", kUsage);

  GpsRecord fix;
  const bool complete = ParseGpsSentence(fix, ts.value_or(0), arguments.positional()[0]);
  PrintGpsRecord(fix);
  std::printf("complete\t%d\n", complete ? 1 : 0);
  return 0;
}

}  // namespace vantrel::cli
