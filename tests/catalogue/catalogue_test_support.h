// Shared pieces of the catalogue's tests: a catalogue set up as the main window sets it up, a
// LyFS card source, a list that counts its redraw pauses, and a language look-up that counts its
// calls.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "catalogue/kind_text.h"
#include "catalogue/recording_catalogue.h"
#include "catalogue/row_table.h"
#include "catalogue/source_record.h"

namespace vantrel::test {

inline void SetUpNames(RecordingCatalogue& catalogue) {
  for (std::string_view name : kLyfsDirectoryNames) catalogue.AddDirectoryName(name);
  catalogue.AddExtension(kRecordingExtension);
}

inline void AddRecording(RecordingCatalogue& catalogue, const std::string& name,
                         uint64_t bytes = 0) {
  catalogue.AddEntry(MakeEntry(name, 1, -1, "/cam/" + name, bytes));
}

// A LyFS card source on the disk (or card image) at device.
inline SourceRecord LyfsCard(const std::string& device) {
  SourceRecord source;
  source.root = "/media/card/";
  source.device_path = device;
  source.kind = SourceKind::kLyfsCard;
  return source;
}

class CountingList : public RowTable {
 public:
  void SuspendRedraw() override { ++suspends; }
  void ResumeRedraw() override { ++resumes; }
  int suspends = 0;
  int resumes = 0;
};

// Kind texts "Normal", "Event", "Parking", "Motion"; counts the look-ups.
struct FakeLanguage {
  std::map<uint32_t, std::string> texts = {
      {133, "Normal"}, {132, "Event"}, {134, "Parking"}, {210, "Motion"}};
  int calls = 0;

  TextLookup Lookup() {
    return [this](uint32_t id) -> std::optional<std::string> {
      ++calls;
      const auto found = texts.find(id);
      if (found == texts.end()) return std::nullopt;
      return found->second;
    };
  }
};

}  // namespace vantrel::test
