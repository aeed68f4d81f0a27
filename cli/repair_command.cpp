// repair HDLR MOVI OUT --audio-less 0|1 --riff-size N: the rebuild from two part files.
// repair FILE OUT: FILE split as a card recording is, decided, and rebuilt into OUT when it
// needs it; prints "action" and direct, add-audio or repair.
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "arguments.h"
#include "commands.h"
#include "playback/card_recording.h"
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

// A private folder for the part files, removed with them.
class PartsFolder {
 public:
  PartsFolder() {
    std::error_code failure;
    std::string pattern = (std::filesystem::temp_directory_path(failure) / "vantrel-repair-XXXXXX");
    if (failure) pattern = "/tmp/vantrel-repair-XXXXXX";
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~PartsFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  PartsFolder(const PartsFolder&) = delete;
  PartsFolder& operator=(const PartsFolder&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

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

  PartsFolder folder;
  if (folder.path().empty()) {
    std::fputs("vantrel-cli repair: cannot create a temporary folder\n", stderr);
    return 1;
  }
  const std::string name = std::filesystem::path(file).filename().string();
  const RepairFiles files = RepairFilesFor(folder.path(), name, action);
  if (!tools::WriteFileRecordingParts(file, *facts, files.header_part, files.movie_part)) {
    std::fputs("vantrel-cli repair: cannot write the part files\n", stderr);
    return 1;
  }
  return tools::AviRepair(files.header_part, files.movie_part, output, facts->audio_less,
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
