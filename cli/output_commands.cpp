// The output subcommands:
//   snapshot RECORDING --at MS --folder DIR [--now "YYYY-MM-DD hh:mm:ss.mmm"]
//     writes the snapshot files of the picture at MS into DIR as the Capture command names them
//     (the clock read once, or the moment given) and prints each written path on a line.
//   report RECORDING --at MS --model N --language L --pdf OUT.pdf [--now "YYYY-MM-DD hh:mm:ss"]
//     prints the two-page report of the moment MS into a PDF file (no map picture: there is no
//     map view).
// Both exit 1 with one line on standard error when the recording cannot be read or the target
// cannot be written, 2 for a command line they do not understand.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include "arguments.h"
#include "commands.h"
#include "failures.h"
#include "files/replacing_file.h"
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

// What both commands are about: one recording, a moment on its time line (--at) and the clock
// reading (--now, or the computer's clock).
struct Moment {
  std::string recording;
  int at_ms = 0;
  tools::LocalTime now;
};

// None, with the usage printed, when the words do not name a moment.
std::optional<Moment> MomentOf(const Arguments& args, const char* command, const char* usage) {
  if (args.positional().size() != 1 || !args.Has("at")) {
    UsageError(command, "one RECORDING and --at in milliseconds are needed", usage);
    return std::nullopt;
  }
  long long at = 0;
  std::string problem;
  if (!args.Whole("at", 0, INT32_MAX, &at, &problem)) {
    UsageError(command, problem, usage);
    return std::nullopt;
  }
  const std::optional<std::string> now = args.Value("now");
  const std::optional<tools::LocalTime> time =
      now ? tools::ParseLocalTime(*now) : tools::ReadLocalClock();
  if (!time) {
    UsageError(command, "--now takes a date and a time", usage);
    return std::nullopt;
  }
  return Moment{args.positional()[0], static_cast<int>(at), *time};
}

// Empty when the snapshots can be written into folder, else the line that says why not.
std::string FolderProblem(const std::string& folder) {
  struct stat info {};
  if (::stat(folder.c_str(), &info) != 0) {
    return "cannot write into " + folder + ": " + std::strerror(errno);
  }
  if (!S_ISDIR(info.st_mode)) return "cannot write into " + folder + ": " + std::strerror(ENOTDIR);
  if (::access(folder.c_str(), W_OK | X_OK) != 0) {
    return "cannot write into " + folder + ": " + std::strerror(errno);
  }
  return "";
}

}  // namespace

int SnapshotCommand(const Words& words) {
  constexpr char kUsage[] =
      "snapshot RECORDING --at MS --folder DIR [--now \"YYYY-MM-DD hh:mm:ss.mmm\"]";
  const Arguments args(words, {"at", "folder", "now"});
  if (!args.error().empty()) return UsageError("snapshot", args.error(), kUsage);
  if (!args.Value("folder")) return UsageError("snapshot", "--folder is needed", kUsage);
  const std::optional<Moment> moment = MomentOf(args, "snapshot", kUsage);
  if (!moment) return 2;

  const std::string& recording = moment->recording;
  if (!RecordingReadable("snapshot", recording)) return 1;
  const std::string folder = *args.Value("folder");
  const std::string problem = FolderProblem(folder);
  if (!problem.empty()) return Failure("snapshot", problem);
  HeadlessGraph headless;
  if (!headless.Open(recording)) return Failure("snapshot", "cannot open " + recording);
  headless.graph.Seek(moment->at_ms);
  const std::string name = std::filesystem::path(recording).filename().string();
  const SnapshotFiles files =
      WriteSnapshots(GraphPictures(&headless.graph), folder, name, moment->now);
  for (const std::string& path : files.written) std::printf("%s\n", path.c_str());
  if (!files.captured) {
    return Failure("snapshot", "cannot capture or write the pictures in " + folder);
  }
  return 0;
}

int ReportCommand(const Words& words) {
  constexpr char kUsage[] =
      "report RECORDING --at MS --model N --language L --pdf OUT.pdf"
      " [--now \"YYYY-MM-DD hh:mm:ss\"]";
  const Arguments args(words, {"at", "model", "language", "pdf", "now"});
  if (!args.error().empty()) return UsageError("report", args.error(), kUsage);
  if (!args.Value("pdf") || !args.Value("model") || !args.Value("language")) {
    return UsageError("report", "--model, --language and --pdf are needed", kUsage);
  }
  const std::optional<Moment> moment = MomentOf(args, "report", kUsage);
  if (!moment) return 2;
  long long model = 0;
  long long language = 0;
  std::string problem;
  if (!args.Whole("model", 0, INT32_MAX, &model, &problem) ||
      !args.Whole("language", 0, INT32_MAX, &language, &problem)) {
    return UsageError("report", problem, kUsage);
  }

  const std::string& recording = moment->recording;
  const std::string pdf = *args.Value("pdf");
  if (!RecordingReadable("report", recording) || !OutputNotAnInput("report", pdf, {recording})) {
    return 1;
  }
  HeadlessGraph headless;
  if (!headless.Open(recording)) return Failure("report", "cannot open " + recording);
  // The time line is known once the recording is open: a moment past its end has no picture.
  const int duration_ms = headless.graph.DurationMs();
  if (duration_ms > 0 && moment->at_ms > duration_ms) {
    return Failure("report", "--at " + std::to_string(moment->at_ms) + " is past the end of " +
                                 recording + " (" + std::to_string(duration_ms) + " ms)");
  }
  TelemetryStore telemetry;
  if (!LoadRecordingTelemetry(recording, telemetry, "report")) return 1;
  headless.graph.Seek(moment->at_ms);
  const ReportInputs inputs =
      CollectReportInputs(GraphPictures(&headless.graph), moment->at_ms, telemetry,
                          static_cast<int>(model), moment->now);
  const auto texts = ReportTextsOf(static_cast<int>(language));
  // Written under a temporary name beside OUT: a report that fails halfway leaves a PDF already
  // of that name as it was.
  files::ReplacingFile file(pdf);
  if (!file.is_open()) return Failure("report", file.error());
  if (!ui::WriteReportPdf(inputs, texts, file.temporary_path())) {
    return Failure("report", "cannot write " + pdf);
  }
  return file.Commit() ? 0 : Failure("report", file.error());
}

}  // namespace vantrel::cli
