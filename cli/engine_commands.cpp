// The media engine's subcommands:
//   grab FILE --at MS [--channel 1|2] [--brightness N] [--mirror] --out OUT.jpg
//     opens the recording in a media graph with windows that show nothing, seeks to MS, sets
//     the channel's brightness and mirror, captures the channel at its native size and writes
//     a JPEG; exit 1 when the recording cannot be opened, the capture or the file fails.
//   play FILE [--rate R] [--for MS] [--sound] [--no-catch-up]
//     plays in real time with windows that show nothing and prints presented, dropped and
//     position_ms, one a line, tab-separated. With --sound the recording's sound plays on the
//     sound card (or, on a machine without one, on a device that plays it silently in real
//     time) and drives the clock; av_sync_max_ms then follows: how far, at most, a presented
//     picture stood from the sound's clock. Last comes skipped: the pictures the channels
//     skipped undecoded to catch up with the clock; --no-catch-up plays without catching up
//     (a late channel then drifts), to measure what catching up saves.
//   bench-decode FILE
//     decodes every picture of every channel as fast as it can, scaled to 960x540 BGRA, and
//     prints frames and fps.
#include <chrono>
#include <climits>
#include <cstdio>
#include <optional>
#include <string>
#include <thread>

#include "arguments.h"
#include "commands.h"
#include "failures.h"
#include "files/replacing_file.h"
#include "headless_graph.h"
#include "platform/audio_output_device.h"
#include "playback/card_source.h"
#include "playback/channel_stream.h"
#include "playback/decoder_settings.h"
#include "playback/graph_codes.h"
#include "playback/jpeg_file.h"
#include "playback/media_time.h"
#include "playback/null_audio_output.h"
#include "playback/picture_converter.h"

namespace vantrel::cli {
namespace {

constexpr int kBenchWidth = 960;
constexpr int kBenchHeight = 540;
// How often the headless player looks whether the time is up.
constexpr auto kWatchTick = std::chrono::milliseconds(20);

// The rates the viewer's rate slider offers.
constexpr double kSlowestRate = 0.1;
constexpr double kFastestRate = 4.0;
constexpr int kBrightestOffset = 255;

// The sound card when the machine has one that opens, else a device that plays silently.
std::unique_ptr<AudioOutput> SoundDevice() {
  if (platform::SoundCardPresent()) {
    if (auto card = platform::OpenSoundCard(); card && card->Open({48000, 2, SampleFormat::kS16})) {
      return card;
    }
  }
  return std::make_unique<NullAudioOutput>(SteadyTimeSource());
}

}  // namespace

int GrabCommand(const Words& words) {
  constexpr char kUsage[] =
      "grab FILE --at MS [--channel 1|2] [--brightness N] [--mirror] --out OUT.jpg";
  const Arguments args(words, {"at", "channel", "brightness", "out"});
  if (!args.error().empty()) return UsageError("grab", args.error(), kUsage);
  if (args.positional().size() != 1 || !args.Value("out") || !args.Value("at")) {
    return UsageError("grab", "FILE, --at and --out are needed", kUsage);
  }
  long long at = 0;
  long long channel = 1;
  long long brightness = 0;
  std::string problem;
  if (!args.Whole("at", 0, INT32_MAX, &at, &problem) ||
      !args.Whole("channel", 1, 2, &channel, &problem) ||
      !args.Whole("brightness", -kBrightestOffset, kBrightestOffset, &brightness, &problem)) {
    return UsageError("grab", problem, kUsage);
  }
  const std::string& file = args.positional()[0];
  const std::string output = *args.Value("out");
  if (!RecordingReadable("grab", file) || !OutputNotAnInput("grab", output, {file})) return 1;
  files::ReplacingFile picture(output);
  if (!picture.is_open()) return Failure("grab", picture.error());

  HeadlessGraph headless;
  if (!headless.Open(file)) return Failure("grab", "cannot open " + file + " as a recording");
  MediaGraph& graph = headless.graph;
  const int duration_ms = graph.DurationMs();
  if (at > duration_ms) {
    return Failure("grab", "--at " + std::to_string(at) + " is past the end of " + file + " (" +
                               std::to_string(duration_ms) + " ms)");
  }
  graph.Seek(static_cast<int>(at));
  const int ch = static_cast<int>(channel);
  if (args.Has("brightness")) {
    graph.SetDecoderParameter(ch, kParamAdjustEnabled, 1);
    graph.SetDecoderParameter(ch, kParamBrightnessOffset, static_cast<int>(brightness));
  }
  if (args.Has("mirror")) {
    graph.SetDecoderParameter(ch, kParamOrientationEnabled, 1);
    graph.SetDecoderParameter(ch, kParamMirror, 1);
  }
  ChannelImage image;
  if (!graph.CaptureChannelImage(ch - 1, &image) || image.pixels.empty()) {
    return Failure("grab", "channel " + std::to_string(ch) + " has no picture at " +
                               std::to_string(at) + " ms");
  }
  if (!WriteJpegFile(image, picture.temporary_path())) {
    return Failure("grab", "cannot write " + output);
  }
  return picture.Commit() ? 0 : Failure("grab", picture.error());
}

int PlayCommand(const Words& words) {
  constexpr char kUsage[] = "play FILE [--rate R] [--for MS] [--sound] [--no-catch-up]";
  const Arguments args(words, {"rate", "for"});
  if (!args.error().empty()) return UsageError("play", args.error(), kUsage);
  if (args.positional().size() != 1) return UsageError("play", "one FILE is needed", kUsage);
  double rate = 1;
  long long for_ms = -1;  // to the end
  std::string problem;
  if (!args.Finite("rate", kSlowestRate, kFastestRate, &rate, &problem) ||
      !args.Whole("for", 0, INT32_MAX, &for_ms, &problem)) {
    return UsageError("play", problem, kUsage);
  }
  if (!RecordingReadable("play", args.positional()[0])) return 1;

  const bool sound = args.Has("sound");
  std::optional<platform::AudioHost> audio_host;
  if (sound) audio_host.emplace();
  HeadlessGraph headless(sound ? AudioOutputFactory(SoundDevice) : nullptr);
  if (!headless.Open(args.positional()[0])) {
    return Failure("play", "cannot open " + args.positional()[0] + " as a recording");
  }
  MediaGraph& graph = headless.graph;
  PlaybackEngine* engine = graph.player()->engine();
  engine->set_catch_up(!args.Has("no-catch-up"));
  graph.SetPlaybackRate(static_cast<float>(rate));
  graph.Seek(0);
  graph.Run();
  // The engine's own threads play; this one only watches for the end.
  const int64_t duration = graph.Duration();
  const auto started = std::chrono::steady_clock::now();
  while (graph.Position() < duration) {
    if (for_ms >= 0 &&
        std::chrono::steady_clock::now() - started >= std::chrono::milliseconds(for_ms)) {
      break;
    }
    std::this_thread::sleep_for(kWatchTick);
  }
  // The last pictures are due at the end; give the playback thread a moment to show them.
  std::this_thread::sleep_for(kWatchTick);
  graph.Pause();
  std::printf("presented\t%llu\n", static_cast<unsigned long long>(engine->presented()));
  std::printf("dropped\t%llu\n", static_cast<unsigned long long>(engine->dropped()));
  std::printf("position_ms\t%d\n", graph.PositionMs());
  if (const SyncFigures sync = engine->sync_figures(); sync.sound_clock) {
    std::printf("av_sync_max_ms\t%lld\n",
                static_cast<long long>(sync.picture_to_sound / kUnitsPerMillisecond));
  }
  std::printf("skipped\t%llu\n", static_cast<unsigned long long>(engine->skipped()));
  return 0;
}

int BenchDecodeCommand(const Words& words) {
  const Arguments args(words, {});
  if (!args.error().empty() || args.positional().size() != 1) {
    return UsageError("bench-decode", "one FILE is needed", "bench-decode FILE");
  }
  if (!RecordingReadable("bench-decode", args.positional()[0])) return 1;
  auto splitter = MakeRecordingSplitter();
  if (!splitter->Load(args.positional()[0])) {
    return Failure("bench-decode", "cannot open " + args.positional()[0] + " as a recording");
  }
  const auto started = std::chrono::steady_clock::now();
  uint64_t frames = 0;
  const std::vector<OutputPin> pins = splitter->Pins();
  std::vector<uint8_t> pixels(static_cast<size_t>(kBenchWidth) * kBenchHeight * 4);
  for (size_t pin = 0; pin < pins.size(); ++pin) {
    ChannelStream stream(*splitter, pin);
    if (!stream.Open(pins[pin].type)) continue;
    PictureConverter converter;
    while (stream.Advance()) {
      if (converter.Convert(*stream.current(), DecoderSettings{}, kBenchWidth, kBenchHeight,
                            pixels.data(), kBenchWidth * 4)) {
        ++frames;
      }
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("frames\t%llu\n", static_cast<unsigned long long>(frames));
  std::printf("fps\t%.1f\n", seconds > 0 ? static_cast<double>(frames) / seconds : 0.0);
  return 0;
}

}  // namespace vantrel::cli
