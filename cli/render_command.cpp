// vantrel-cli render: the speed gauge and the G-sensor graph as PNG pictures, drawn exactly as
// the viewer's window paints them, without a display.
//   render gauge --speed KMH --out FILE.png
//   render gsensor RECORDING --size WxH --out FILE.png
// Exit 0 when written; 1 with one line on stderr for an unreadable recording, a bad size or a
// file that cannot be written; 2 for malformed words.
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "arguments.h"
#include "commands.h"
#include "telemetry/telemetry_store.h"
#include "telemetry/widgets/telemetry_pictures.h"

namespace vantrel::cli {

bool LoadRecordingTelemetry(const std::string& path, TelemetryStore& store, const char* command);

namespace {

constexpr char kUsage[] =
    "render gauge --speed KMH --out FILE.png | render gsensor RECORDING --size WxH --out FILE.png";
constexpr int kLargestSide = 10000;

int Usage(const std::string& problem) {
  std::fprintf(stderr, "vantrel-cli render: %s\nusage: vantrel-cli %s\n", problem.c_str(), kUsage);
  return 2;
}

int Fail(const std::string& problem) {
  std::fprintf(stderr, "vantrel-cli render: %s\n", problem.c_str());
  return 1;
}

std::optional<double> Number(const std::string& word) {
  if (word.empty()) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(word.c_str(), &end);
  if (end != word.c_str() + word.size()) return std::nullopt;
  return value;
}

std::optional<int> Side(const std::string& word) {
  int value = 0;
  const char* end = word.data() + word.size();
  const auto [stop, error] = std::from_chars(word.data(), end, value);
  if (word.empty() || error != std::errc() || stop != end) return std::nullopt;
  if (value < 1 || value > kLargestSide) return std::nullopt;
  return value;
}

int RenderGauge(const Arguments& arguments) {
  if (!arguments.positional().empty()) return Usage("gauge takes no RECORDING");
  const std::optional<double> speed = Number(arguments.Value("speed").value_or(""));
  if (!speed) return Usage("KMH must be a number");
  const std::string out = *arguments.Value("out");
  if (!WriteSpeedGaugePng(*speed, out)) return Fail("cannot write " + out);
  return 0;
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
  TelemetryStore store;
  if (!LoadRecordingTelemetry(arguments.positional()[0], store, "render")) return 1;
  const std::string out = *arguments.Value("out");
  if (!WriteGsensorGraphPng(store, *width, *height, out)) return Fail("cannot write " + out);
  return 0;
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
