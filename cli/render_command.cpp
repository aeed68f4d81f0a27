// vantrel-cli render: the speed gauge and the G-sensor graph as PNG pictures, drawn exactly as
// the viewer's window paints them, without a display.
//   render gauge --speed KMH --out FILE.png
//   render gsensor RECORDING --size WxH --out FILE.png
// Exit 0 when written; 1 with one line on stderr for an unreadable recording, a bad size or a
// file that cannot be written; 2 for malformed words.
#include <optional>
#include <string>

#include "arguments.h"
#include "commands.h"
#include "failures.h"
#include "files/replacing_file.h"
#include "number_words.h"
#include "telemetry/telemetry_store.h"
#include "telemetry/widgets/telemetry_pictures.h"

namespace vantrel::cli {

bool LoadRecordingTelemetry(const std::string& path, TelemetryStore& store, const char* command);

namespace {

constexpr char kUsage[] =
    "render gauge --speed KMH --out FILE.png | render gsensor RECORDING --size WxH --out FILE.png";
constexpr int kLargestSide = 10000;

// Far beyond any speed a recorder writes; the gauge shows what it can of it.
constexpr double kFastestSpeed = 1e6;

int Usage(const std::string& problem) { return UsageError("render", problem, kUsage); }

int Fail(const std::string& problem) { return Failure("render", problem); }

std::optional<int> Side(const std::string& word) {
  const std::optional<long long> value = WholeNumber(word, 1, kLargestSide);
  if (!value) return std::nullopt;
  return static_cast<int>(*value);
}

// The picture is drawn into a temporary file beside out, which takes out's place when whole.
template <typename Write>
int WritePicture(const std::string& out, const Write& write) {
  files::ReplacingFile picture(out);
  if (!picture.is_open()) return Fail(picture.error());
  if (!write(picture.temporary_path())) return Fail("cannot write " + out);
  return picture.Commit() ? 0 : Fail(picture.error());
}

int RenderGauge(const Arguments& arguments) {
  if (!arguments.positional().empty()) return Usage("gauge takes no RECORDING");
  if (!arguments.Has("speed")) return Usage("--speed KMH is needed");
  double speed = 0;
  std::string problem;
  if (!arguments.Finite("speed", -kFastestSpeed, kFastestSpeed, &speed, &problem)) {
    return Usage(problem);
  }
  return WritePicture(*arguments.Value("out"),
                      [speed](const std::string& path) { return WriteSpeedGaugePng(speed, path); });
}

int RenderGsensor(const Arguments& arguments) {
  if (arguments.positional().size() != 1) return Usage("expected one RECORDING");
  if (!arguments.Has("size")) return Usage("--size WxH is needed");
  const std::string size = *arguments.Value("size");
  const size_t cross = size.find('x');
  const std::optional<int> width =
      cross == std::string::npos ? std::nullopt : Side(size.substr(0, cross));
  const std::optional<int> height =
      cross == std::string::npos ? std::nullopt : Side(size.substr(cross + 1));
  if (!width || !height) {
    return Fail("bad size " + size + ": width and height must be 1 to 10000");
  }
  const std::string& recording = arguments.positional()[0];
  const std::string out = *arguments.Value("out");
  TelemetryStore store;
  if (!LoadRecordingTelemetry(recording, store, "render") ||
      !OutputNotAnInput("render", out, {recording})) {
    return 1;
  }
  return WritePicture(out, [&](const std::string& path) {
    return WriteGsensorGraphPng(store, *width, *height, path);
  });
}

}  // namespace

int RenderCommand(const Words& words) {
  if (words.empty()) return Usage("expected gauge or gsensor");
  const Arguments arguments(Words(words.begin() + 1, words.end()), {"speed", "size", "out"});
  if (!arguments.error().empty()) return Usage(arguments.error());
  if (!arguments.Has("out")) return Usage("--out FILE.png is needed");
  if (words[0] == "gauge") return RenderGauge(arguments);
  if (words[0] == "gsensor") return RenderGsensor(arguments);
  return Usage("expected gauge or gsensor");
}

}  // namespace vantrel::cli
