// The viewer's index of the recordings of the opened source: the sources that can be opened, the
// folders and recordings the last scan found, and the rows of the recording list. The main window
// owns one for the whole run. Not thread-safe: the user-interface thread fills and reads it, and
// the loader reads entries only while the main window is busy and nothing changes them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/folder_record.h"
#include "catalogue/kind_text.h"
#include "catalogue/lyfs_library_use.h"
#include "catalogue/narrow_name.h"
#include "catalogue/recording_entry.h"
#include "catalogue/recording_kind.h"
#include "catalogue/recording_list.h"
#include "catalogue/source_record.h"

namespace vantrel {

// What the main window gives the catalogue at start-up.
inline constexpr std::array<std::string_view, 4> kLyfsDirectoryNames = {"NORMAL", "INFINITE",
                                                                        "EVENT", "PARKING"};
inline constexpr std::string_view kRecordingExtension = "AVI";
// Extension of a copy saved from a card.
inline constexpr std::string_view kDefaultExtension = "avi";

// A LyFS directory name, also as the narrow text the card's library takes.
struct DirectoryName {
  std::string name;
  NarrowName narrow{};
};

// Which kinds the last fill saw in the whole catalogue (not only in the listed rows).
struct KindPresence {
  bool any = false;
  bool infinite = false;
  bool event = false;
  bool parking = false;
};

// Element i is the index in the entries of the recording shown in list row i.
using RowMap = std::vector<size_t>;

// The open LyFS card. Its layout belongs to the card reader (catalogue/lyfs_device.h); whoever
// opens a card hands it over with the function that closes and frees it. While a catalogue lives
// the LyFS library is started (catalogue/lyfs_library_use.h).
struct LyfsDeviceBlock;
using LyfsDeviceHandle = std::unique_ptr<LyfsDeviceBlock, void (*)(LyfsDeviceBlock*)>;

class RecordingCatalogue {
 public:
  RecordingCatalogue() = default;
  RecordingCatalogue(const RecordingCatalogue&) = delete;
  RecordingCatalogue& operator=(const RecordingCatalogue&) = delete;

  // DirectoryNameList: a name already present is ignored.
  void AddDirectoryName(std::string_view name);
  // ExtensionList: lower-cased; an empty or already present extension is ignored.
  void AddExtension(std::string_view extension);
  // True when a file of this name belongs in the catalogue (its extension is listed).
  bool AcceptName(std::string_view name) const;

  // The source list, rebuilt on every Open or drop.
  void SetSources(std::vector<SourceRecord> sources) { sources_ = std::move(sources); }
  SourceKind open_source_kind() const { return open_source_kind_; }
  void set_open_source_kind(SourceKind kind) { open_source_kind_ = kind; }
  int opened_source_index() const { return opened_source_index_; }
  void set_opened_source_index(int index) { opened_source_index_ = index; }

  // Starts a scan: forgets the folders and recordings found before. The list keeps its rows
  // until the next fill, but no row leads to a recording any more (the row map is emptied too),
  // so nothing can open a row whose recording is gone.
  void BeginScan();
  void AddFolder(FolderRecord folder) { folders_.push_back(std::move(folder)); }
  void AddEntry(RecordingEntry entry) { entries_.push_back(std::move(entry)); }
  // Oldest first, by the recording time in the names; unstable for equal keys and sizes.
  void SortEntries();

  // Lists every recording; returns the number of rows. With no recordings it leaves the list
  // as it is and returns 0.
  int FillAll(RecordingList& list, const TextLookup& texts);
  // Lists the recordings of one kind (never the Unknown ones); always empties the list first.
  // The kind presence still describes every recording.
  int FillByKind(RecordingList& list, RecordingKind kind, const TextLookup& texts);

  // None (nullptr) for an index out of range.
  const RecordingEntry* EntryAtRow(int row) const;
  const RecordingEntry* EntryAt(int index) const;
  const SourceRecord* SourceAt(int index) const;
  const DirectoryName* DirectoryNameAt(int group) const;

  const std::vector<SourceRecord>& sources() const { return sources_; }
  const std::vector<FolderRecord>& folders() const { return folders_; }
  const std::vector<RecordingEntry>& entries() const { return entries_; }
  const RowMap& row_map() const { return row_map_; }
  const std::vector<DirectoryName>& directory_names() const { return directory_names_; }
  const std::vector<std::string>& extensions() const { return extensions_; }
  const KindPresence& kind_presence() const { return kind_presence_; }

  // The open LyFS card, or nullptr. Setting a new one (or none) closes the one held before.
  LyfsDeviceBlock* lyfs_device() const { return lyfs_device_.get(); }
  void SetLyfsDevice(LyfsDeviceHandle device) { lyfs_device_ = std::move(device); }
  void ReleaseLyfsDevice() { lyfs_device_.reset(); }

 private:
  // Rows for the entries of `only` (every entry when none); returns the number of rows.
  int FillRows(RecordingList& list, const RecordingKind* only, const TextLookup& texts);

  std::vector<SourceRecord> sources_;
  std::vector<FolderRecord> folders_;
  std::vector<RecordingEntry> entries_;
  RowMap row_map_;
  std::vector<DirectoryName> directory_names_;
  std::vector<std::string> extensions_;
  SourceKind open_source_kind_ = SourceKind::kNone;
  int opened_source_index_ = -1;
  KindPresence kind_presence_;
  // Declared before the device: the open card is closed before the library is let go.
  LyfsLibraryUse lyfs_library_;
  LyfsDeviceHandle lyfs_device_{nullptr, nullptr};
};

}  // namespace vantrel
