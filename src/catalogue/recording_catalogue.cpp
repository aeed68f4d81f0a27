#include "catalogue/recording_catalogue.h"

#include <algorithm>

#include "catalogue/recording_name.h"
#include "catalogue/utf8_text.h"

namespace vantrel {

namespace {

template <typename T>
const T* At(const std::vector<T>& items, int index) {
  if (index < 0 || static_cast<size_t>(index) >= items.size()) return nullptr;
  return &items[static_cast<size_t>(index)];
}

}  // namespace

void RecordingCatalogue::AddDirectoryName(std::string_view name) {
  const bool present = std::any_of(directory_names_.begin(), directory_names_.end(),
                                   [&](const DirectoryName& known) { return known.name == name; });
  if (!present) directory_names_.push_back({std::string(name), MakeNarrowName(name)});
}

void RecordingCatalogue::AddExtension(std::string_view extension) {
  std::string lowered = utf8::AsciiLower(extension);
  if (lowered.empty() ||
      std::find(extensions_.begin(), extensions_.end(), lowered) != extensions_.end()) {
    return;
  }
  extensions_.push_back(std::move(lowered));
}

bool RecordingCatalogue::AcceptName(std::string_view name) const {
  return HasAcceptedExtension(name, extensions_);
}

void RecordingCatalogue::BeginScan() {
  folders_.clear();
  entries_.clear();
  row_map_.clear();
}

void RecordingCatalogue::SortEntries() {
  std::sort(entries_.begin(), entries_.end(), EntryComesBefore);
}

const RecordingEntry* RecordingCatalogue::EntryAtRow(int row) const {
  const size_t* index = At(row_map_, row);
  if (index == nullptr || *index >= entries_.size()) return nullptr;
  return &entries_[*index];
}

const RecordingEntry* RecordingCatalogue::EntryAt(int index) const { return At(entries_, index); }

const SourceRecord* RecordingCatalogue::SourceAt(int index) const { return At(sources_, index); }

const DirectoryName* RecordingCatalogue::DirectoryNameAt(int group) const {
  return At(directory_names_, group);
}

}  // namespace vantrel
