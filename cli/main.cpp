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
    {"options", vantrel::cli::OptionsCommand, "options read FILE | options write FILE [KEY=VALUE...]"},
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
    {"settings", vantrel::cli::SettingsCommand,
     "settings rewrite IN OUT --model N | settings show FILE --model N"},
    {"clock", vantrel::cli::ClockCommand, "clock write FILE YYYY MM DD hh mm ss | clock read FILE"},
    {"render", vantrel::cli::RenderCommand,
     "render gauge --speed KMH --out FILE.png | render gsensor RECORDING --size WxH --out "
     "FILE.png"},
};

int Usage() {
  std::fputs("usage: vantrel-cli SUBCOMMAND ...\n", stderr);
  for (const Subcommand& command : kSubcommands) std::fprintf(stderr, "  %s\n", command.usage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  for (const Subcommand& command : kSubcommands) {
    if (std::strcmp(argv[1], command.name) == 0) {
      return command.run(std::vector<std::string>(argv + 2, argv + argc));
    }
  }
  return Usage();
}
