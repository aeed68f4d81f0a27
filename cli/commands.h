// The subcommands of vantrel-cli. Each takes the words after its own name and returns the
// process exit code; output is plain text, one record a line, fields separated by tabs.
#pragma once

#include <string>
#include <vector>

namespace vantrel::cli {

using Words = std::vector<std::string>;

int OptionsCommand(const Words& words);      // options read FILE | options write FILE [K=V...]
int TextCommand(const Words& words);         // text ID [--language N]
int ScanCommand(const Words& words);         // scan [--kind K] [--language N] ITEM... |
                                             // scan --source INDEX [--cards FILE] [options]
int SourcesCommand(const Words& words);      // sources [--cards FILE]
int ProbeCommand(const Words& words);        // probe FILE
int TelemetryCommand(const Words& words);    // telemetry FILE [--at MS]
int ParseGpsCommand(const Words& words);     // parse-gps TEXT [--ts N]
int ExportCommand(const Words& words);       // export FILE --gpx|--csv
int LyfsCommand(const Words& words);         // lyfs ls|get|put|info|format DEVICE ...
int RepairCommand(const Words& words);       // repair HDLR MOVI OUT ... | repair FILE OUT
int GrabCommand(const Words& words);         // grab FILE --at MS ... --out OUT.jpg
int PlayCommand(const Words& words);         // play FILE [--rate R] [--for MS]
int BenchDecodeCommand(const Words& words);  // bench-decode FILE
int SettingsCommand(const Words& words);  // settings rewrite IN OUT --model N | show FILE --model N
int ClockCommand(const Words& words);     // clock write FILE YYYY MM DD hh mm ss | clock read FILE
// render gauge --speed KMH --out F | render gsensor FILE --size WxH --out F
int RenderCommand(const Words& words);

}  // namespace vantrel::cli
