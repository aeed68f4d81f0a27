// The output subcommands:
//   snapshot RECORDING --at MS --folder DIR [--now "YYYY-MM-DD hh:mm:ss.mmm"]
//     writes the snapshot files of the picture at MS into DIR as the Capture command names them
//     (the clock read once, or the moment given) and prints each written path on a line.
//   report RECORDING --at MS --model N --language L --pdf OUT.pdf [--now "YYYY-MM-DD hh:mm:ss"]
//     prints the two-page report of the moment MS into a PDF file (no map picture: there is no
//     map view).
// Both exit 1 with one line on standard error when the recording cannot be read or the target
// cannot be written, 2 for a command line they do not understand.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "arguments.h"
#include "commands.h"
#include "headless_graph.h"
#include "telemetry/telemetry_store.h"
#include "tools/local_time.h"
#include "tools/output/channel_pictures.h"
#include "tools/output/report_inputs.h"
#include "tools/output/snapshot_capture.h"
#include "ui/report/report_pdf.h"

namespace vantrel::cli {

// Shared with the telemetry command.
bool LoadRecordingTelemetry(const std::string& path, TelemetryStore& store, const char* command);

namespace {

int Usage(const char* command, const char* why, const char* usage) {
  std::fprintf(stderr, "vantrel-cli %s: %s\nusage: vantrel-cli %s\n", command, why, usage);
  return 2;
}

int Failure(const char* command, const char* what, const std::string& path) {
  std::fprintf(stderr, "vantrel-cli %s: %s %s\n", command, what, path.c_str());
  return 1;
}

// The playback position of --at; none when it is not a time on the recording's line.
std::optional<int> Milliseconds(const Arguments& args) {
  const long long at = args.Integer("at", -1);
  if (at < 0 || at > INT32_MAX) return std::nullopt;
  return static_cast<int>(at);
}

// --now when given, else one reading of the clock; none for a malformed --now.
std::optional<tools::LocalTime> Moment(const Arguments& args) {
  const std::optional<std::string> now = args.Value("now");
  if (!now) return tools::ReadLocalClock();
  return tools::ParseLocalTime(*now);
}

}  // namespace

int SnapshotCommand(const Words& words) {
  constexpr char kUsage[] =
      "snapshot RECORDING --at MS --folder DIR [--now \"YYYY-MM-DD hh:mm:ss.mmm\"]";
  const Arguments args(words, {"at", "folder", "now"});
  if (!args.error().empty()) return Usage("snapshot", args.error().c_str(), kUsage);
  if (args.positional().size() != 1 || !args.Value("folder")) {
    return Usage("snapshot", "RECORDING, --at and --folder are needed", kUsage);
  }
  const std::optional<int> at = Milliseconds(args);
  if (!at) return Usage("snapshot", "--at takes milliseconds", kUsage);
  const std::optional<tools::LocalTime> moment = Moment(args);
  if (!moment) return Usage("snapshot", "--now takes \"YYYY-MM-DD hh:mm:ss.mmm\"", kUsage);

  const std::string recording = args.positional()[0];
  const std::string folder = *args.Value("folder");
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) {
    return Failure("snapshot", "no folder to write into:", folder);
  }
  HeadlessGraph headless;
  if (!headless.Open(recording)) return Failure("snapshot", "cannot open", recording);
  headless.graph.Seek(*at);
  const std::string name = std::filesystem::path(recording).filename().string();
  const SnapshotFiles files = WriteSnapshots(GraphPictures(&headless.graph), folder, name, *moment);
  for (const std::string& path : files.written) std::printf("%s\n", path.c_str());
  if (!files.captured)
    return Failure("snapshot", "cannot capture or write the pictures in", folder);
  return 0;
}

int ReportCommand(const Words& words) {
  constexpr char kUsage[] =
      "report RECORDING --at MS --model N --language L --pdf OUT.pdf"
      " [--now \"YYYY-MM-DD hh:mm:ss\"]";
  const Arguments args(words, {"at", "model", "language", "pdf", "now"});
  if (!args.error().empty()) return Usage("report", args.error().c_str(), kUsage);
  if (args.positional().size() != 1 || !args.Value("pdf") || !args.Value("model") ||
      !args.Value("language")) {
    return Usage("report", "RECORDING, --at, --model, --language and --pdf are needed", kUsage);
  }
  const std::optional<int> at = Milliseconds(args);
  if (!at) return Usage("report", "--at takes milliseconds", kUsage);
  const std::optional<tools::LocalTime> moment = Moment(args);
  if (!moment) return Usage("report", "--now takes \"YYYY-MM-DD hh:mm:ss\"", kUsage);

  const std::string recording = args.positional()[0];
  HeadlessGraph headless;
  if (!headless.Open(recording)) return Failure("report", "cannot open", recording);
  TelemetryStore telemetry;
  if (!LoadRecordingTelemetry(recording, telemetry, "report")) return 1;
  headless.graph.Seek(*at);
  const ReportInputs inputs =
      CollectReportInputs(GraphPictures(&headless.graph), *at, telemetry,
                          static_cast<int>(args.Integer("model", 0)), *moment);
  const auto texts = ReportTextsOf(static_cast<int>(args.Integer("language", 0)));
  if (!ui::WriteReportPdf(inputs, texts, *args.Value("pdf"))) {
    return Failure("report", "cannot write", *args.Value("pdf"));
  }
  return 0;
}

}  // namespace vantrel::cli
