// A simulated memory card of a recorder that keeps its recordings in the LyFS partition, written
// as a card image the way the recorder's maker ships and the recorder fills it: a sparse image
// file, partitioned and formatted for the model through our LyFS library, partition 1 carrying
// FAT32 with the model's volume label and the recorder's "setup.cfg", and a mix of recordings
// (continuous, event, parking; one- and two-channel; some without sound, some cut by a power
// loss) written into the LyFS directories with the library's writing calls.
//
// The LyFS library must have been started (QX_LyFS_Start). Needs mkfs.fat and mcopy on PATH.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sim/card_writer.h"

namespace vantrel::sim {

inline constexpr uint64_t kDefaultLyfsCardBytes = uint64_t{512} << 20;
// The SD allocation value that means "not read from a card" (the format's default split).
inline constexpr int kSdAllocationUnread = 100;

struct LyfsCardDescription {
  CardDescription recordings;
  std::string model = "KT520A";  // one of the recorder models (IsRecorderModel)
  int sd_allocation = kSdAllocationUnread;
  uint64_t size_bytes = kDefaultLyfsCardBytes;  // whole MiB
};

// One recording on the card: its LyFS directory and name, and what was written.
struct WrittenCardFile {
  std::string directory;
  std::string name;
  uint64_t size = 0;
  std::string sha256;
};

// The recorder models a card can be made for: "KT410A", "KT520A", "KT730A", "MERIDA",
// "KT520A(Merida)", "KT730A(Merida)".
bool IsRecorderModel(std::string_view model);

// The LyFS directory a recording kind is filed in: continuous recordings in "NORMAL" on a
// "MERIDA" card and in "INFINITE" on the others, events in "EVENT", parking recordings (PRK, MOT,
// MDI) in "PARKING".
std::string LyfsDirectoryOf(std::string_view kind, std::string_view model);

// Writes the card image at `image` (a new file, or a regular file that is replaced; anything else
// is refused, so a disk is never overwritten). The recordings written, in time order, go to
// *written when given. False with *error set when the description is invalid, a tool or the
// library fails, or a LyFS directory is too small for its recordings.
bool WriteLyfsCard(const LyfsCardDescription& card, const std::string& image, std::string* error,
                   std::vector<WrittenCardFile>* written = nullptr);

}  // namespace vantrel::sim
