// dashcam-sim: makes recordings and memory cards as the recorder writes them, for tests,
// benchmarks and demonstrations.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "commands.h"

namespace {

using vantrel::sim::tool::Words;

struct Command {
  const char* name;
  int (*run)(const Words&);
  const char* usage;
  const char* help;
};

const Command kCommands[] = {
    {"recording", vantrel::sim::tool::RecordingCommand, "recording OUT.avi|FOLDER/ [options]",
     vantrel::sim::tool::kRecordingHelp},
    {"card", vantrel::sim::tool::CardCommand, "card DIR [options]", vantrel::sim::tool::kCardHelp},
    {"lyfs-card", vantrel::sim::tool::LyfsCardCommand, "lyfs-card IMAGE [options]",
     vantrel::sim::tool::kLyfsCardHelp},
};

int Usage(std::FILE* out, bool with_help) {
  std::fputs("usage: dashcam-sim COMMAND ...\n", out);
  for (const Command& command : kCommands) {
    std::fprintf(out, "  dashcam-sim %s\n", command.usage);
    if (with_help) std::fprintf(out, "%s\n", command.help);
  }
  if (with_help) {
    std::fprintf(out, "  common options of every command:\n%s", vantrel::sim::tool::kCommonHelp);
  } else {
    std::fputs("dashcam-sim --help describes the options.\n", out);
  }
  return with_help ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage(stderr, false);
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    return Usage(stdout, true);
  }
  if (std::strcmp(argv[1], "--version") == 0) {
    std::puts("dashcam-sim " VANTREL_VERSION);
    return 0;
  }
  for (const Command& command : kCommands) {
    if (std::strcmp(argv[1], command.name) == 0) {
      const Words words(argv + 2, argv + argc);
      if (std::find(words.begin(), words.end(), "--help") != words.end()) {
        std::printf("usage: dashcam-sim %s\n%s\n  common options of every command:\n%s",
                    command.usage, command.help, vantrel::sim::tool::kCommonHelp);
        return 0;
      }
      return command.run(words);
    }
  }
  std::fprintf(stderr, "dashcam-sim: unknown command %s\n", argv[1]);
  return Usage(stderr, false);
}
