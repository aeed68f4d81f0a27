// vantrel-cli: the viewer's core as a command-line tool, for users' scripts and for tests.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "commands.h"

namespace {

struct Subcommand {
  const char* name;
  int (*run)(const vantrel::cli::Words&);
  const char* usage;
};

const Subcommand kSubcommands[] = {
    {"options", vantrel::cli::OptionsCommand,
     "options read FILE | options write FILE [KEY=VALUE...]"},
    {"text", vantrel::cli::TextCommand, "text ID [--language N]"},
    {"scan", vantrel::cli::ScanCommand,
     "scan [--kind K] [--language N] ITEM... | scan --source INDEX [--cards FILE] [--kind K]"
     " [--language N] [ITEM...]"},
    {"sources", vantrel::cli::SourcesCommand, "sources [--cards FILE]"},
    {"probe", vantrel::cli::ProbeCommand, "probe FILE"},
    {"telemetry", vantrel::cli::TelemetryCommand, "telemetry FILE [--at MS]"},
    {"parse-gps", vantrel::cli::ParseGpsCommand, "parse-gps TEXT [--ts N]"},
    {"export", vantrel::cli::ExportCommand, "export FILE --gpx|--csv"},
    {"lyfs", vantrel::cli::LyfsCommand,
     "lyfs ls DEVICE [DIR...] | get DEVICE /DIR/NAME OUT | put DEVICE DIR FILE... | info DEVICE |"
     " format DEVICE --model TEXT [--sd-allocation N]"},
    {"repair", vantrel::cli::RepairCommand,
     "repair HDLR MOVI OUT --audio-less 0|1 --riff-size N | repair FILE OUT"},
    {"grab", vantrel::cli::GrabCommand,
     "grab FILE --at MS [--channel 1|2] [--brightness N] [--mirror] --out OUT.jpg"},
    {"play", vantrel::cli::PlayCommand, "play FILE [--rate R] [--for MS]"},
    {"bench-decode", vantrel::cli::BenchDecodeCommand, "bench-decode FILE"},
    {"snapshot", vantrel::cli::SnapshotCommand,
     "snapshot RECORDING --at MS --folder DIR [--now \"YYYY-MM-DD hh:mm:ss.mmm\"]"},
    {"report", vantrel::cli::ReportCommand,
     "report RECORDING --at MS --model N --language L --pdf OUT.pdf"
     " [--now \"YYYY-MM-DD hh:mm:ss\"]"},
    {"settings", vantrel::cli::SettingsCommand,
     "settings rewrite IN OUT --model N | settings show FILE --model N"},
    {"clock", vantrel::cli::ClockCommand, "clock write FILE YYYY MM DD hh mm ss | clock read FILE"},
    {"render", vantrel::cli::RenderCommand,
     "render gauge --speed KMH --out FILE.png | render gsensor RECORDING --size WxH --out "
     "FILE.png"},
    {"map-probe", vantrel::cli::MapProbeCommand, "map-probe RECORDING --at MS [--at MS...]"},
    {"card", vantrel::cli::CardCommand,
     "card format --source INDEX [--cards FILE] --model TEXT [--sd-allocation N] --yes |"
     " card summary --source INDEX [--cards FILE]"},
};

// Asked for, the usage goes to standard output and is no failure; after a command line that
// cannot be followed it goes to standard error with exit 2.
int Usage(std::FILE* out, int code) {
  std::fputs("usage: vantrel-cli SUBCOMMAND ...\n", out);
  for (const Subcommand& command : kSubcommands) std::fprintf(out, "  %s\n", command.usage);
  std::fputs("vantrel-cli SUBCOMMAND --help shows one subcommand's usage.\n", out);
  return code;
}

bool AsksForHelp(const std::vector<std::string>& words) {
  for (const std::string& word : words) {
    if (word == "--help") return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage(stderr, 2);
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    return Usage(stdout, 0);
  }
  if (std::strcmp(argv[1], "--version") == 0) {
    std::puts("vantrel-cli " VANTREL_VERSION);
    return 0;
  }
  for (const Subcommand& command : kSubcommands) {
    if (std::strcmp(argv[1], command.name) == 0) {
      const std::vector<std::string> words(argv + 2, argv + argc);
      if (AsksForHelp(words)) {
        std::printf("usage: vantrel-cli %s\n", command.usage);
        return 0;
      }
      return command.run(words);
    }
  }
  std::fprintf(stderr, "vantrel-cli: unknown subcommand %s\n", argv[1]);
  return Usage(stderr, 2);
}
