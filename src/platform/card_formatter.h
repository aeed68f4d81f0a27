// Formats a card's FAT partition on behalf of the card format: on a real card through the
// system's disk service, on a simulated card in its image and folder. Calls block until the work
// is over (success or failure), so they run off the user-interface thread.
#pragma once

#include <optional>
#include <string>

#include "platform/volume.h"

namespace vantrel::platform {

class CardFormatter {
 public:
  virtual ~CardFormatter() = default;

  // Lets go of the card's volume before its disk is partitioned anew (a real card is
  // unmounted). False when the volume stays in use.
  virtual bool ReleaseVolume(const Volume& card) = 0;

  // A quick FAT32 format with `label` of the card's mounted volume (kVolume), or of partition 1
  // of its disk just partitioned anew (kFirstPartition). Returns the root where the formatted
  // volume can be written now, which for a real card is its new mount point; none when the
  // format failed.
  enum class Target { kVolume, kFirstPartition };
  virtual std::optional<std::string> FormatFat(const Volume& card, Target target,
                                               const std::string& label) = 0;
};

}  // namespace vantrel::platform
