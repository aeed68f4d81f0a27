// The Save copy command's work: what the save dialog offers for a recording of the open LyFS
// card, and the copy itself, which may run on a thread of its own while the card stays open.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "catalogue/lyfs_device.h"
#include "catalogue/recording_catalogue.h"
#include "tools/block_copy.h"

namespace vantrel {

// Bytes read from the card at a time.
inline constexpr size_t kSaveCopyBlockBytes = 262144;

struct SaveCopyPlan {
  std::string initial_path;  // offered in the save dialog: the desktop folder and a name
  std::string extension;     // of the dialog's one filter; "*" for any
  bool on_card = false;      // stored in the LyFS partition, not as an ordinary file
  std::string source;        // an ordinary file's path, or the card path "/DIR/NAME"
  int32_t file_id = 0;       // the card file's id from the card's file list
  std::string card_device;   // the opened card's device node or image, when known
};

// The plan for a recording of the catalogue; none when a card recording's directory is unknown.
std::optional<SaveCopyPlan> PlanSaveCopy(const RecordingCatalogue& catalogue,
                                         const RecordingEntry& entry, const std::string& desktop);

// The save dialog's filter: "video (*.avi)".
std::string SaveCopyFilter(const SaveCopyPlan& plan);

// True when target is the source file itself (by name or as the same file reached another way),
// or for a card recording the card it is read from: such a copy would destroy what it reads.
bool CopiesOntoItself(const SaveCopyPlan& plan, const std::string& target);

// Copies into target. device: a copy of the open card's block (needed for a card recording); a
// card closed meanwhile makes the copy fail. Any outcome but kCopied leaves no target.
tools::CopyOutcome RunSaveCopy(const SaveCopyPlan& plan,
                               const std::optional<LyfsDeviceBlock>& device,
                               const std::string& target, tools::CopyProgress& progress);

}  // namespace vantrel
