// dashcam-sim recording: one recording, into a named file or, for a path ending in "/", into that
// folder under the recorder's own file name. Prints the path written.
#include <cstdio>
#include <filesystem>

#include "recording_options.h"
#include "sim/recording_writer.h"

namespace vantrel::sim::tool {

const char kRecordingHelp[] =
    "    --kind REC|EVT|PRK|MOT|MDI  kind in the file name (REC)\n"
    "    --channels 1|2       front only, or front and rear (1)\n"
    "    --audio none|pcm|aac sound: none, 16-bit PCM or AAC, 22050 Hz mono (pcm)\n"
    "    --interrupted        as a power cut leaves it: no index, sizes 0, last chunk cut\n";

namespace {

int Fail(int code, const std::string& message) {
  std::fprintf(stderr, "dashcam-sim recording: %s\n", message.c_str());
  return code;
}

bool IsRecorderKind(const std::string& kind) {
  return kind == "REC" || kind == "EVT" || kind == "PRK" || kind == "MOT" || kind == "MDI";
}

}  // namespace

int RecordingCommand(const Words& words) {
  const std::set<std::string> valued = Join(kCommonValued, {"kind", "channels", "audio"});
  const std::set<std::string> flags = Join(kCommonFlags, {"interrupted"});
  const std::string unknown = UnknownOption(words, valued, flags);
  if (!unknown.empty()) return Fail(2, "unknown option " + unknown);
  const cli::Arguments arguments(words, valued);
  if (!arguments.error().empty()) return Fail(2, arguments.error());
  if (arguments.positional().size() != 1) return Fail(2, "needs one output path");

  RecordingDescription description;
  std::string error;
  if (!ApplyCommonOptions(arguments, &description, &error)) return Fail(2, error);
  if (const auto kind = arguments.Value("kind")) {
    if (!IsRecorderKind(*kind)) return Fail(2, "--kind needs REC, EVT, PRK, MOT or MDI");
    description.kind = *kind;
  }
  long long channels = description.channels;
  if (!arguments.Whole("channels", 1, 2, &channels, &error)) return Fail(2, error);
  description.channels = static_cast<int>(channels);
  if (const auto audio = arguments.Value("audio")) {
    if (*audio == "none") {
      description.audio = AudioKind::kNone;
    } else if (*audio == "pcm") {
      description.audio = AudioKind::kPcm;
    } else if (*audio == "aac") {
      description.audio = AudioKind::kAac;
    } else {
      return Fail(2, "--audio needs none, pcm or aac");
    }
  }
  description.interrupted = arguments.Has("interrupted");
  error = CheckDescription(description);
  if (!error.empty()) return Fail(2, error);

  std::string path = arguments.positional().front();
  if (!path.empty() && path.back() == '/') {
    std::error_code failure;
    std::filesystem::create_directories(path, failure);
    if (failure) return Fail(1, "cannot create " + path + ": " + failure.message());
    path += RecordingFileName(description);
  }
  if (!WriteRecording(description, path, &error)) return Fail(1, error);
  std::printf("%s\n", path.c_str());
  return 0;
}

}  // namespace vantrel::sim::tool
