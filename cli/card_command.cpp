// vantrel-cli card: card maintenance as the settings dialog and the about box run it.
//   format --source INDEX [--cards FILE] --model TEXT [--sd-allocation N] --yes
//       formats the card source without questions (the FAT label as the dialog pre-fills it):
//       kind<TAB>lyfs|fat, result<TAB>CODE, message<TAB>TEXT per message shown,
//       restored<TAB>NAME per parked file put back; exit 0 when the format succeeded
//   summary --source INDEX [--cards FILE]
//       message<TAB>TEXT for a refusal (exit 1), else total, normal, event and parking lines
//       (name<TAB>COUNT<TAB>SIZE) and file<TAB>N<TAB>NAME<TAB>SIZE per recording
#include <climits>
#include <cstdio>
#include <string>

#include "arguments.h"
#include "catalogue/open_source.h"
#include "catalogue/recording_catalogue.h"
#include "catalogue/source_list.h"
#include "commands.h"
#include "device/device_info_command.h"
#include "device/format_card.h"
#include "device/simulated_card_formatter.h"
#include "platform/executable_folder.h"
#include "platform/program_folder.h"
#include "source_scan.h"

namespace vantrel::cli {
namespace {

int Usage(const std::string& problem) {
  if (!problem.empty()) std::fprintf(stderr, "vantrel-cli card: %s\n", problem.c_str());
  std::fputs(
      "usage: vantrel-cli card format --source INDEX [--cards FILE] --model TEXT"
      " [--sd-allocation N] --yes\n"
      "       vantrel-cli card summary --source INDEX [--cards FILE]\n",
      stderr);
  return 2;
}

void PrintMessage(const std::string& text) { std::printf("message\t%s\n", Field(text).c_str()); }

// The card sources of the volumes, as the viewer lists them. Null with a usage problem set.
const SourceRecord* CardSource(RecordingCatalogue& catalogue, platform::VolumeProvider& volumes,
                               long long index, std::string* problem) {
  SetUpCatalogue(catalogue);
  EnumerateSources(catalogue, volumes);
  const SourceRecord* source =
      index >= 0 && index <= INT_MAX ? catalogue.SourceAt(static_cast<int>(index)) : nullptr;
  if (source == nullptr) *problem = "no source " + std::to_string(index);
  return source;
}

// The command line's answers to the command's questions: yes, and the label as pre-filled.
class UnattendedPorts : public device::FormatCardPorts {
 public:
  bool Confirm(const std::string&) override { return true; }
  std::optional<std::string> AskFatLabel(const std::string& label) override { return label; }
  device::CardFormatOutcome Run(const device::CardFormatJob& job) override {
    return device::RunCardFormat(job, device::FormatterFor(job.card));
  }
  void Show(const std::string& text) override { messages.push_back(text); }

  std::vector<std::string> messages;
};

int Format(const Arguments& arguments, long long index, platform::VolumeProvider& volumes) {
  const auto model = arguments.Value("model");
  if (!model || !arguments.Has("yes")) return Usage("format needs --model and --yes");
  long long sd_allocation = device::kSdAllocationNotRead;
  std::string problem;
  if (!arguments.Whole("sd-allocation", 0, device::kSdAllocationNotRead, &sd_allocation,
                       &problem)) {
    return Usage(problem);
  }
  RecordingCatalogue catalogue;
  const SourceRecord* source = CardSource(catalogue, volumes, index, &problem);
  if (source == nullptr || source->kind == SourceKind::kComputerFolder) {
    return Usage(source == nullptr ? problem : "the source is not a card");
  }
  device::FormatCardRequest request;
  request.card = platform::VolumeAtRoot(volumes, source->root);
  request.model = *model;
  request.sd_allocation = static_cast<int>(sd_allocation);
  request.program_folder = platform::ExecutableFolder();
  request.parking_parent = device::ParkingParent(platform::ProgramFolder());
  UnattendedPorts ports;
  const device::FormatCardResult result = device::FormatCard(request, ports);
  if (result.ran) {
    std::printf("kind\t%s\n", result.kind == device::CardFormatKind::kLyfs ? "lyfs" : "fat");
    std::printf("result\t%d\n", result.outcome.result);
  }
  for (const std::string& message : ports.messages) PrintMessage(message);
  for (const std::string& name : result.outcome.restored) {
    std::printf("restored\t%s\n", Field(name).c_str());
  }
  return result.succeeded ? 0 : 1;
}

void PrintSummaryLine(const char* name, int count, uint64_t size_kib) {
  std::printf("%s\t%s\t%s\n", name, device::SummaryCountText(count).c_str(),
              device::SummarySizeText(size_kib).c_str());
}

int Summary(long long index, platform::VolumeProvider& volumes) {
  RecordingCatalogue catalogue;
  std::string problem;
  const SourceRecord* source = CardSource(catalogue, volumes, index, &problem);
  if (source == nullptr) return Usage(problem);
  const std::string root = source->root;
  OpenSource(catalogue, static_cast<int>(index), {}, ItemOrigin::kPicked);
  const device::DeviceInfoResult info =
      device::DeviceInfoCommand(catalogue.entries(), catalogue.open_source_kind(), root);
  if (!info.summary) {
    PrintMessage(info.message);
    return 1;
  }
  const device::CardFileSummary& summary = *info.summary;
  PrintSummaryLine("total", summary.count, summary.total_kib);
  PrintSummaryLine("normal", summary.continuous_count, summary.continuous_kib);
  PrintSummaryLine("event", summary.event_count, summary.event_kib);
  PrintSummaryLine("parking", summary.parking_count, summary.parking_kib);
  for (int i = 0; i < summary.count; ++i) {
    std::printf("file\t%d\t%s\t%s\n", i + 1, Field(summary.names[i]).c_str(),
                summary.sizes[i].c_str());
  }
  return 0;
}

}  // namespace

int CardCommand(const Words& words) {
  const std::string verb = words.empty() ? "" : words[0];
  if (verb != "format" && verb != "summary") return Usage("");
  const Arguments arguments(Words(words.begin() + 1, words.end()),
                            {"source", "cards", "model", "sd-allocation"});
  if (!arguments.error().empty()) return Usage(arguments.error());
  if (!arguments.positional().empty()) return Usage("unexpected " + arguments.positional()[0]);
  if (!arguments.Has("source")) return Usage("--source INDEX is needed");
  long long index = 0;
  std::string error;
  if (!arguments.Whole("source", 0, INT_MAX, &index, &error)) return Usage(error);
  const auto volumes = OpenVolumes(arguments.Value("cards"), &error);
  if (!volumes) {
    std::fprintf(stderr, "vantrel-cli card: %s\n", error.c_str());
    return 1;
  }
  return verb == "format" ? Format(arguments, index, *volumes) : Summary(index, *volumes);
}

}  // namespace vantrel::cli
