// vantrel-cli scan: lists the recordings of folders and files as the viewer's recording list
// shows them after an Open from the computer.
#include <climits>
#include <cstdio>
#include <string>

#include "arguments.h"
#include "catalogue/folder_scan.h"
#include "catalogue/kind_text.h"
#include "catalogue/recording_catalogue.h"
#include "catalogue/row_table.h"
#include "commands.h"

namespace vantrel::cli {

namespace {

constexpr long long kBadNumber = LLONG_MIN;

// One record a line, fields split by tabs: a name holding a tab or a line break must not split
// its record, so control characters are printed as "?".
std::string Field(std::string text) {
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  }
  return text;
}

int Usage(const std::string& problem) {
  if (!problem.empty()) std::fprintf(stderr, "vantrel-cli scan: %s\n", problem.c_str());
  std::fputs("usage: vantrel-cli scan [--kind K] [--language N] ITEM...\n", stderr);
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

}  // namespace

int ScanCommand(const Words& words) {
  const Arguments arguments(words, {"kind", "language"});
  if (!arguments.error().empty()) return Usage(arguments.error());
  if (arguments.positional().empty()) return Usage("no folder or file given");
  const long long kind = arguments.Integer("kind", kBadNumber);
  if (arguments.Has("kind") && !InInt32(kind)) return Usage("--kind needs a kind code");
  const long long language = arguments.Integer("language", kBadNumber);
  if (arguments.Has("language") && !InInt32(language)) return Usage("--language needs a number");

  RecordingCatalogue catalogue;
  for (std::string_view name : kLyfsDirectoryNames) catalogue.AddDirectoryName(name);
  catalogue.AddExtension(kRecordingExtension);
  catalogue.set_open_source_kind(SourceKind::kComputerFolder);
  const bool scanned = ScanPickedItems(catalogue, arguments.positional());
  if (scanned) catalogue.SortEntries();

  RowTable rows;
  const TextLookup texts =
      LanguageTextLookup(arguments.Has("language") ? static_cast<int>(language) : 0);
  if (arguments.Has("kind")) {
    catalogue.FillByKind(rows, static_cast<RecordingKind>(kind), texts);
  } else {
    catalogue.FillAll(rows, texts);
  }
  PrintRows(catalogue, rows);
  return scanned ? 0 : 1;
}

}  // namespace vantrel::cli
