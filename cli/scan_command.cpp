// vantrel-cli scan: lists the recordings of folders and files as the viewer's recording list
// shows them after an Open from the computer; with --source, those of a source of the source
// list (a card read whole, or the computer's folders and files given).
#include <climits>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "arguments.h"
#include "catalogue/card_access.h"
#include "catalogue/folder_scan.h"
#include "catalogue/kind_text.h"
#include "catalogue/open_source.h"
#include "catalogue/recording_catalogue.h"
#include "catalogue/row_table.h"
#include "catalogue/source_list.h"
#include "commands.h"
#include "platform/udisks_disk_access.h"
#include "source_scan.h"

namespace vantrel::cli {

namespace {

constexpr long long kBadNumber = LLONG_MIN;

int Usage(const std::string& problem) {
  if (!problem.empty()) std::fprintf(stderr, "vantrel-cli scan: %s\n", problem.c_str());
  std::fputs(
      "usage: vantrel-cli scan [--kind K] [--language N] ITEM...\n"
      "       vantrel-cli scan --source INDEX [--cards FILE] [--kind K] [--language N] [ITEM...]\n",
      stderr);
  return 2;
}

bool InInt32(long long value) { return value >= INT32_MIN && value <= INT32_MAX; }

void PrintRows(const RecordingCatalogue& catalogue, const RowTable& rows) {
  for (int row = 0; row < rows.RowCount(); ++row) {
    const RecordingEntry* entry = catalogue.EntryAtRow(row);
    if (entry == nullptr) continue;
    const std::string line =
        Field(rows.ColumnText(row, 0)) + '\t' + rows.ColumnText(row, 1) + '\t' +
        rows.ColumnText(row, 2) + '\t' + std::to_string(static_cast<int>(entry->kind())) + '\t' +
        Field(rows.ColumnText(row, 3)) + '\t' + std::to_string(entry->size_kib) + '\t' +
        std::to_string(entry->group) + '\t' + Field(entry->name) + '\t' + Field(entry->path) + '\n';
    std::fputs(line.c_str(), stdout);
  }
}

// The source list of the volumes, then the source's scan as the Open command runs it (the items
// are the picked ones of the computer-folder source); a card's disk this user may not open is
// asked of udisks2, and when that is refused too the message says which access is missing.
// False when the scan fails or the card description cannot be read.
bool ScanSource(RecordingCatalogue& catalogue, const Arguments& arguments, int index,
                int language) {
  std::string error;
  const auto volumes = OpenVolumes(arguments.Value("cards"), &error);
  if (!volumes) {
    std::fprintf(stderr, "vantrel-cli scan: %s\n", error.c_str());
    return false;
  }
  EnumerateSources(catalogue, *volumes);
  CardAccess card_access(std::make_unique<platform::UdisksDiskAccess>());
  if (OpenSource(catalogue, index, arguments.positional(), ItemOrigin::kPicked)) return true;
  const SourceRecord* card = catalogue.SourceAt(index);
  if (card && card->kind == SourceKind::kLyfsCard && CardDiskRefused(card->device_path)) {
    const std::optional<std::string> message = DiskAccessMessage(language, card->device_path);
    if (message) std::fprintf(stderr, "vantrel-cli scan: %s\n", message->c_str());
  }
  return false;
}

}  // namespace

int ScanCommand(const Words& words) {
  const Arguments arguments(words, {"kind", "language", "source", "cards"});
  if (!arguments.error().empty()) return Usage(arguments.error());
  const bool from_source = arguments.Has("source");
  if (!from_source && arguments.Has("cards")) return Usage("--cards goes with --source");
  if (!from_source && arguments.positional().empty()) return Usage("no folder or file given");
  const long long source = arguments.Integer("source", kBadNumber);
  if (from_source && !InInt32(source)) return Usage("--source needs a source index");
  const long long kind = arguments.Integer("kind", kBadNumber);
  if (arguments.Has("kind") && !InInt32(kind)) return Usage("--kind needs a kind code");
  const long long language = arguments.Integer("language", kBadNumber);
  if (arguments.Has("language") && !InInt32(language)) return Usage("--language needs a number");

  RecordingCatalogue catalogue;
  SetUpCatalogue(catalogue);
  const int language_index = arguments.Has("language") ? static_cast<int>(language) : 0;
  bool scanned = false;
  if (from_source) {
    scanned = ScanSource(catalogue, arguments, static_cast<int>(source), language_index);
  } else {
    catalogue.set_open_source_kind(SourceKind::kComputerFolder);
    scanned = ScanPickedItems(catalogue, arguments.positional());
    if (scanned) catalogue.SortEntries();
  }

  RowTable rows;
  const TextLookup texts = LanguageTextLookup(language_index);
  if (arguments.Has("kind")) {
    catalogue.FillByKind(rows, static_cast<RecordingKind>(kind), texts);
  } else {
    catalogue.FillAll(rows, texts);
  }
  PrintRows(catalogue, rows);
  return scanned ? 0 : 1;
}

}  // namespace vantrel::cli
