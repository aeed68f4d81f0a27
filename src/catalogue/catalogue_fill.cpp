// Filling the recording list from the catalogue.
#include <cstdio>

#include "catalogue/recording_catalogue.h"

namespace vantrel {

namespace {

std::string Format(const char* format, int a, int b, int c) {
  char text[32];
  std::snprintf(text, sizeof text, format, a, b, c);
  return text;
}

void NoteKind(KindPresence& presence, RecordingKind kind) {
  presence.any = true;
  if (kind == RecordingKind::kInfinite) presence.infinite = true;
  if (kind == RecordingKind::kEvent) presence.event = true;
  if (kind == RecordingKind::kParking) presence.parking = true;
}

}  // namespace

int RecordingCatalogue::FillAll(RecordingList& list, const TextLookup& texts) {
  row_map_.clear();
  if (entries_.empty()) return 0;
  return FillRows(list, nullptr, texts);
}

int RecordingCatalogue::FillByKind(RecordingList& list, RecordingKind kind,
                                   const TextLookup& texts) {
  row_map_.clear();
  return FillRows(list, &kind, texts);
}

int RecordingCatalogue::FillRows(RecordingList& list, const RecordingKind* only,
                                 const TextLookup& texts) {
  list.SuspendRedraw();
  list.DeleteAllRows();
  kind_presence_ = KindPresence{};
  KindTexts kind_texts(texts);
  int row = 0;
  for (size_t index = 0; index < entries_.size(); ++index) {
    const RecordingEntry& entry = entries_[index];
    const RecordingKind kind = entry.kind();
    NoteKind(kind_presence_, kind);
    if (only != nullptr && (kind != *only || kind == RecordingKind::kUnknown)) continue;
    list.InsertRow(
        row, {std::to_string(row + 1), Format("%04d-%02d-%02d", entry.year, entry.month, entry.day),
              Format("%02d:%02d:%02d", entry.hour, entry.minute, entry.second),
              kind_texts.For(entry.name), entry.path, entry.name});
    row_map_.push_back(index);
    ++row;
  }
  list.ResumeRedraw();
  return row;
}

}  // namespace vantrel
