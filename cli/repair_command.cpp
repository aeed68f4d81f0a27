// repair HDLR MOVI OUT --audio-less 0|1 --riff-size N: the rebuild from two part files.
// repair FILE OUT: FILE decided and split as a card recording is, and rebuilt into OUT when it
// needs it; prints "action" and direct, add-audio or repair.
#include <cstdio>
#include <memory>
#include <string>

#include "arguments.h"
#include "commands.h"
#include "tools/avi_repair.h"
#include "tools/recording_parts.h"

namespace vantrel::cli {

namespace {

int Usage() {
  std::fputs(
      "usage: vantrel-cli repair HDLR MOVI OUT --audio-less 0|1 --riff-size N\n"
      "       vantrel-cli repair FILE OUT\n",
      stderr);
  return 2;
}

int RepairFile(const std::string& file, const std::string& output) {
  const std::unique_ptr<avi::FileByteSource> source = avi::FileByteSource::Open(file);
  if (!source) {
    std::fprintf(stderr, "vantrel-cli repair: cannot read %s\n", file.c_str());
    return 1;
  }
  const auto facts = tools::ReadRecordingFacts(*source);
  const tools::RepairAction action = facts ? facts->action : tools::RepairAction::kDirect;
  std::printf("action\t%s\n", tools::RepairActionName(action));
  std::fflush(stdout);
  if (action == tools::RepairAction::kDirect) return 0;

  // Rebuilt from the recording's own two stretches: the same bytes as from part files split
  // off it, without copying the recording twice.
  return tools::AviRepairRecording(file, facts->header_end, output, facts->audio_less,
                                   facts->riff_size)
             ? 0
             : 1;
}

}  // namespace

int RepairCommand(const Words& words) {
  const Arguments arguments(words, {"audio-less", "riff-size"});
  if (!arguments.error().empty()) return Usage();
  const auto& positional = arguments.positional();
  if (positional.size() == 2 && !arguments.Has("audio-less") && !arguments.Has("riff-size")) {
    return RepairFile(positional[0], positional[1]);
  }
  if (positional.size() != 3 || !arguments.Has("audio-less") || !arguments.Has("riff-size")) {
    return Usage();
  }
  const long long audio_less = arguments.Integer("audio-less", -1);
  const long long riff_size = arguments.Integer("riff-size", -1);
  if ((audio_less != 0 && audio_less != 1) || riff_size < 0 || riff_size > 0xFFFFFFFFLL) {
    return Usage();
  }
  return tools::AviRepair(positional[0], positional[1], positional[2], audio_less == 1,
                          static_cast<uint32_t>(riff_size))
             ? 0
             : 1;
}

}  // namespace vantrel::cli
