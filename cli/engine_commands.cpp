// The media engine's subcommands:
//   grab FILE --at MS [--channel 1|2] [--brightness N] [--mirror] --out OUT.jpg
//     opens the recording in a media graph with windows that show nothing, seeks to MS, sets
//     the channel's brightness and mirror, captures the channel at its native size and writes
//     a JPEG; exit 1 when the recording cannot be opened, the capture or the file fails.
//   play FILE [--rate R] [--for MS] [--sound]
//     plays in real time with windows that show nothing and prints presented, dropped and
//     position_ms, one a line, tab-separated. With --sound the recording's sound plays on the
//     sound card (or, on a machine without one, on a device that plays it silently in real
//     time) and drives the clock; av_sync_max_ms then follows: how far, at most, a presented
//     picture stood from the sound's clock.
//   bench-decode FILE
//     decodes every picture of every channel as fast as it can, scaled to 960x540 BGRA, and
//     prints frames and fps.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

#include "arguments.h"
#include "commands.h"
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

int Usage(const char* command, const char* why, const char* usage) {
  std::fprintf(stderr, "vantrel-cli %s: %s\nusage: vantrel-cli %s\n", command, why, usage);
  return 2;
}

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
  if (!args.error().empty()) return Usage("grab", args.error().c_str(), kUsage);
  if (args.positional().size() != 1 || !args.Value("out") || !args.Value("at")) {
    return Usage("grab", "FILE, --at and --out are needed", kUsage);
  }
  const long long at = args.Integer("at", -1);
  const long long channel = args.Integer("channel", 1);
  if (at < 0 || at > INT32_MAX) return Usage("grab", "--at takes milliseconds", kUsage);
  if (channel != 1 && channel != 2) return Usage("grab", "--channel takes 1 or 2", kUsage);

  HeadlessGraph headless;
  if (!headless.Open(args.positional()[0])) {
    std::fprintf(stderr, "vantrel-cli grab: cannot open %s\n", args.positional()[0].c_str());
    return 1;
  }
  MediaGraph& graph = headless.graph;
  graph.Seek(static_cast<int>(at));
  const int ch = static_cast<int>(channel);
  if (args.Has("brightness")) {
    graph.SetDecoderParameter(ch, kParamAdjustEnabled, 1);
    graph.SetDecoderParameter(ch, kParamBrightnessOffset,
                              static_cast<int>(args.Integer("brightness", 0)));
  }
  if (args.Has("mirror")) {
    graph.SetDecoderParameter(ch, kParamOrientationEnabled, 1);
    graph.SetDecoderParameter(ch, kParamMirror, 1);
  }
  ChannelImage image;
  if (!graph.CaptureChannelImage(ch - 1, &image) || image.pixels.empty()) {
    std::fprintf(stderr, "vantrel-cli grab: channel %d has no picture at %lld ms\n", ch, at);
    return 1;
  }
  if (!WriteJpegFile(image, *args.Value("out"))) {
    std::fprintf(stderr, "vantrel-cli grab: cannot write %s\n", args.Value("out")->c_str());
    return 1;
  }
  return 0;
}

int PlayCommand(const Words& words) {
  constexpr char kUsage[] = "play FILE [--rate R] [--for MS] [--sound]";
  const Arguments args(words, {"rate", "for"});
  if (!args.error().empty()) return Usage("play", args.error().c_str(), kUsage);
  if (args.positional().size() != 1) return Usage("play", "one FILE is needed", kUsage);
  const float rate = args.Value("rate") ? std::strtof(args.Value("rate")->c_str(), nullptr) : 1;
  const long long for_ms = args.Integer("for", -1);

  const bool sound = args.Has("sound");
  std::optional<platform::AudioHost> audio_host;
  if (sound) audio_host.emplace();
  HeadlessGraph headless(sound ? AudioOutputFactory(SoundDevice) : nullptr);
  if (!headless.Open(args.positional()[0])) {
    std::fprintf(stderr, "vantrel-cli play: cannot open %s\n", args.positional()[0].c_str());
    return 1;
  }
  MediaGraph& graph = headless.graph;
  const PlaybackEngine* engine = graph.player()->engine();
  graph.SetPlaybackRate(rate);
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
  return 0;
}

int BenchDecodeCommand(const Words& words) {
  const Arguments args(words, {});
  if (!args.error().empty() || args.positional().size() != 1) {
    return Usage("bench-decode", "one FILE is needed", "bench-decode FILE");
  }
  auto splitter = MakeRecordingSplitter();
  if (!splitter->Load(args.positional()[0])) {
    std::fprintf(stderr, "vantrel-cli bench-decode: cannot open %s\n",
                 args.positional()[0].c_str());
    return 1;
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
