// Makes a recording on the open LyFS card playable: a complete recording with sound is played
// straight from the card; an interrupted one, or one without sound, is split into two part files
// in the temp folder and rebuilt there (the rebuild of a recording without sound is kept and
// reused the next time; an interrupted recording is rebuilt every time).
//
// Runs on the loader's thread while the card stays open; it writes only inside temp_folder. A
// rebuilt recording gets its name only once complete, so a rebuild cut short (a crash, a
// cancellation) is never taken for a finished one.
#pragma once

#include <cstdint>
#include <string>

#include "catalogue/recording_entry.h"
#include "playback/card_source.h"
#include "tools/cancel_check.h"
#include "tools/recording_parts.h"

namespace vantrel {

struct CardPlayback {
  enum class Kind {
    kOpen,  // open path with device and value (the splitter's SetCardSource)
    kPartsFailed,  // the part files could not be created: "손상된 파일을 복구할 수 없습니다."
    kCancelled,  // given up between two blocks; nothing of it is left in the temp folder
  };
  Kind kind = Kind::kOpen;
  tools::RepairAction action = tools::RepairAction::kDirect;
  std::string path;
  intptr_t device = kFileSourceDevice;
  int32_t value = kFileSourceValue;
};

// The part files and the rebuilt recording of a recording named `name` (extension included) in
// `folder`: name + "_hdlr", "_movi", "_AddAudio.avi" or "_REPAIR.avi", and the name the rebuild
// is written under until it is complete. An unsafe name is made safe first, so none of them lies
// outside the folder.
struct RepairFiles {
  std::string header_part;
  std::string movie_part;
  std::string output;
  std::string unfinished;
};
RepairFiles RepairFilesFor(const std::string& folder, const std::string& name,
                           tools::RepairAction action);

// card_device: the open card as the splitter's card source names it (LyfsDeviceValue). A card
// file that cannot be opened or holds fewer than 20 bytes is handed to the player as it is, whose
// open then fails as for any unplayable recording. `cancelled` is asked between the blocks of the
// copy and of the rebuild; once it says so nothing more is written.
CardPlayback PrepareCardRecording(const RecordingEntry& entry, intptr_t card_device,
                                  const std::string& temp_folder,
                                  const tools::CancelCheck& cancelled = {});

}  // namespace vantrel
