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

// What both commands are about: one recording, a moment on its time line (--at) and the clock
// reading (--now, or the computer's clock).
struct Moment {
  std::string recording;
  int at_ms = 0;
  tools::LocalTime now;
};

// None, with the usage printed, when the words do not name a moment.
std::optional<Moment> MomentOf(const Arguments& args, const char* command, const char* usage) {
  const long long at = args.Integer("at", -1);
  if (args.positional().size() != 1 || at < 0 || at > INT32_MAX) {
    Usage(command, "one RECORDING and --at in milliseconds are needed", usage);
    return std::nullopt;
  }
  const std::optional<std::string> now = args.Value("now");
  const std::optional<tools::LocalTime> time =
      now ? tools::ParseLocalTime(*now) : tools::ReadLocalClock();
  if (!time) {
    Usage(command, "--now takes a date and a time", usage);
    return std::nullopt;
  }
  return Moment{args.positional()[0], static_cast<int>(at), *time};
}

}  // namespace

int SnapshotCommand(const Words& words) {
  constexpr char kUsage[] =
      "snapshot RECORDING --at MS --folder DIR [--now \"YYYY-MM-DD hh:mm:ss.mmm\"]";
  const Arguments args(words, {"at", "folder", "now"});
  if (!args.error().empty()) return Usage("snapshot", args.error().c_str(), kUsage);
  if (!args.Value("folder")) return Usage("snapshot", "--folder is needed", kUsage);
  const std::optional<Moment> moment = MomentOf(args, "snapshot", kUsage);
  if (!moment) return 2;

  const std::string& recording = moment->recording;
  const std::string folder = *args.Value("folder");
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) {
    return Failure("snapshot", "no folder to write into:", folder);
  }
  HeadlessGraph headless;
  if (!headless.Open(recording)) return Failure("snapshot", "cannot open", recording);
  headless.graph.Seek(moment->at_ms);
  const std::string name = std::filesystem::path(recording).filename().string();
  const SnapshotFiles files =
      WriteSnapshots(GraphPictures(&headless.graph), folder, name, moment->now);
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
  if (!args.Value("pdf") || !args.Value("model") || !args.Value("language")) {
    return Usage("report", "--model, --language and --pdf are needed", kUsage);
  }
  const std::optional<Moment> moment = MomentOf(args, "report", kUsage);
  if (!moment) return 2;

  const std::string& recording = moment->recording;
  HeadlessGraph headless;
  if (!headless.Open(recording)) return Failure("report", "cannot open", recording);
  TelemetryStore telemetry;
  if (!LoadRecordingTelemetry(recording, telemetry, "report")) return 1;
  headless.graph.Seek(moment->at_ms);
  const ReportInputs inputs =
      CollectReportInputs(GraphPictures(&headless.graph), moment->at_ms, telemetry,
                          static_cast<int>(args.Integer("model", 0)), moment->now);
  const auto texts = ReportTextsOf(static_cast<int>(args.Integer("language", 0)));
  if (!ui::WriteReportPdf(inputs, texts, *args.Value("pdf"))) {
    return Failure("report", "cannot write", *args.Value("pdf"));
  }
  return 0;
}

}  // namespace vantrel::cli
