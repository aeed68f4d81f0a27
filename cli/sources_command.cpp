// vantrel-cli sources: the sources the viewer's Open offers, in order, one line each:
// source<TAB>index<TAB>kind<TAB>root<TAB>device (kind 0 FAT card, 1 LyFS card, 2 the computer's
// folders, whose device is empty).
#include <cstdio>
#include <string>

#include "arguments.h"
#include "catalogue/source_list.h"
#include "commands.h"
#include "source_scan.h"

namespace vantrel::cli {

namespace {

int Usage(const std::string& problem) {
  if (!problem.empty()) std::fprintf(stderr, "vantrel-cli sources: %s\n", problem.c_str());
  std::fputs("usage: vantrel-cli sources [--cards FILE]\n", stderr);
  return 2;
}

}  // namespace

int SourcesCommand(const Words& words) {
  const Arguments arguments(words, {"cards"});
  if (!arguments.error().empty()) return Usage(arguments.error());
  if (!arguments.positional().empty()) return Usage("takes no words besides its options");
  std::string error;
  const auto volumes = OpenVolumes(arguments.Value("cards"), &error);
  if (!volumes) {
    std::fprintf(stderr, "vantrel-cli sources: %s\n", error.c_str());
    return 1;
  }
  RecordingCatalogue catalogue;
  SetUpCatalogue(catalogue);
  EnumerateSources(catalogue, *volumes);
  for (size_t index = 0; index < catalogue.sources().size(); ++index) {
    const SourceRecord& source = catalogue.sources()[index];
    const std::string line = "source\t" + std::to_string(index) + '\t' +
                             std::to_string(static_cast<int>(source.kind)) + '\t' +
                             Field(source.root) + '\t' + Field(source.device_path) + '\n';
    std::fputs(line.c_str(), stdout);
  }
  return 0;
}

}  // namespace vantrel::cli
