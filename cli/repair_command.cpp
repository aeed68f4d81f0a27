// repair HDLR MOVI OUT --audio-less 0|1 --riff-size N: the rebuild from two part files.
// repair FILE OUT: FILE decided and split as a card recording is, and rebuilt into OUT when it
// needs it; prints "action" and direct, add-audio or repair.
// A file that is not a recording, an output that is an input and a rebuild that fails are each
// refused with one line on standard error and exit 1; OUT is then left as it was.
#include <cstdio>
#include <memory>
#include <string>

#include "arguments.h"
#include "commands.h"
#include "failures.h"
#include "tools/avi_repair.h"
#include "tools/recording_parts.h"

namespace vantrel::cli {

namespace {

constexpr char kCommand[] = "repair";
constexpr char kUsage[] = "repair HDLR MOVI OUT --audio-less 0|1 --riff-size N | repair FILE OUT";

int RepairFile(const std::string& file, const std::string& output) {
  if (!RecordingReadable(kCommand, file) || !OutputNotAnInput(kCommand, output, {file})) {
    return 1;
  }
  const std::unique_ptr<avi::FileByteSource> source = avi::FileByteSource::Open(file);
  const auto facts = source ? tools::ReadRecordingFacts(*source) : std::nullopt;
  if (!facts) return Failure(kCommand, "cannot read " + file);
  std::printf("action\t%s\n", tools::RepairActionName(facts->action));
  std::fflush(stdout);
  if (facts->action == tools::RepairAction::kDirect) return 0;

  // Rebuilt from the recording's own two stretches: the same bytes as from part files split
  // off it, without copying the recording twice.
  std::string error;
  if (!tools::AviRepairRecording(file, facts->header_end, output, facts->audio_less,
                                 facts->riff_size, tools::MovieCopy::kMapped, &error)) {
    return Failure(kCommand, file + ": " + error);
  }
  return 0;
}

}  // namespace

int RepairCommand(const Words& words) {
  const Arguments arguments(words, {"audio-less", "riff-size"});
  if (!arguments.error().empty()) return UsageError(kCommand, arguments.error(), kUsage);
  const auto& positional = arguments.positional();
  const bool part_options = arguments.Has("audio-less") || arguments.Has("riff-size");
  if (positional.size() == 2 && !part_options) return RepairFile(positional[0], positional[1]);
  if (positional.size() != 3 || !arguments.Has("audio-less") || !arguments.Has("riff-size")) {
    return UsageError(kCommand, "expected FILE OUT, or HDLR MOVI OUT with both options", kUsage);
  }
  long long audio_less = 0;
  long long riff_size = 0;
  std::string problem;
  if (!arguments.Whole("audio-less", 0, 1, &audio_less, &problem) ||
      !arguments.Whole("riff-size", 0, 0xFFFFFFFFLL, &riff_size, &problem)) {
    return UsageError(kCommand, problem, kUsage);
  }
  const std::string& output = positional[2];
  if (!InputReadable(kCommand, positional[0]) || !InputReadable(kCommand, positional[1]) ||
      !OutputNotAnInput(kCommand, output, {positional[0], positional[1]})) {
    return 1;
  }
  std::string error;
  if (!tools::AviRepair(positional[0], positional[1], output, audio_less == 1,
                        static_cast<uint32_t>(riff_size), tools::MovieCopy::kMapped, &error)) {
    return Failure(kCommand, error);
  }
  return 0;
}

}  // namespace vantrel::cli
