#include "catalogue/open_source.h"

#include "catalogue/folder_scan.h"
#include "catalogue/lyfs_card_scan.h"

namespace vantrel {

namespace {

bool ScanFatCard(RecordingCatalogue& catalogue, const SourceRecord& source) {
  catalogue.BeginScan();
  FolderRecord root{source.root};
  ScanFolderTree(catalogue, root, kFatCardGroup);
  catalogue.AddFolder(std::move(root));
  return true;
}

bool Scan(RecordingCatalogue& catalogue, const SourceRecord& source,
          const std::vector<std::string>& items, ItemOrigin origin) {
  switch (source.kind) {
    case SourceKind::kFatCard:
      return ScanFatCard(catalogue, source);
    case SourceKind::kLyfsCard:
      return ScanLyfsCard(catalogue, source);
    case SourceKind::kComputerFolder:
      return origin == ItemOrigin::kPicked ? ScanPickedItems(catalogue, items)
                                           : ScanDroppedItems(catalogue, items);
    case SourceKind::kNone:
      break;
  }
  return false;
}

}  // namespace

bool OpenSource(RecordingCatalogue& catalogue, int index, const std::vector<std::string>& items,
                ItemOrigin origin) {
  if (index < 0) return false;
  // Whatever opens next, the card opened before is closed: its recordings can no longer be
  // played or copied until it is opened again.
  catalogue.ReleaseLyfsDevice();
  const SourceRecord* source = catalogue.SourceAt(index);
  if (source == nullptr) return false;
  catalogue.set_open_source_kind(source->kind);
  const bool scanned = Scan(catalogue, *source, items, origin);
  if (scanned) {
    catalogue.SortEntries();
    catalogue.set_opened_source_index(index);
  }
  return scanned;
}

}  // namespace vantrel
