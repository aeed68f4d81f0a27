// vantrel-cli as it is run: a small program that loads neither Qt nor FFmpeg. It runs the repair
// command itself, so a repair starts at once instead of after the tens of milliseconds it takes
// to load the hundred libraries behind the other commands; any other command line is handed as
// it is to vantrel-cli-full beside it, which holds every subcommand.
#include <limits.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "commands.h"

namespace {

// Beside this program; found through the running file, else through the name it was run by.
std::string FullProgram(const char* run_as) {
  char self[PATH_MAX];
  const ssize_t size = ::readlink("/proc/self/exe", self, sizeof self - 1);
  const std::string path = size > 0 ? std::string(self, static_cast<size_t>(size)) : run_as;
  const size_t slash = path.rfind('/');
  return (slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1)) +
         "vantrel-cli-full";
}

}  // namespace

int main(int argc, char** argv) {
  // Help is the full program's: it knows every subcommand's usage.
  bool help = false;
  for (int i = 2; i < argc; ++i) help = help || std::strcmp(argv[i], "--help") == 0;
  if (argc >= 2 && std::strcmp(argv[1], "repair") == 0 && !help) {
    return vantrel::cli::RepairCommand(std::vector<std::string>(argv + 2, argv + argc));
  }
  const std::string full = FullProgram(argc > 0 ? argv[0] : "");
  ::execv(full.c_str(), argv);
  std::fprintf(stderr, "vantrel-cli: cannot start %s: %s\n", full.c_str(), std::strerror(errno));
  return 127;
}
