// Formats simulated cards (a folder that plays the mounted volume, and the card's image file):
// the image's partition 1, or the whole image when it has no partition table, gets a FAT32 file
// system, and the folder is emptied as a freshly formatted volume would be.
#pragma once

#include "platform/card_formatter.h"

namespace vantrel::device {

class SimulatedCardFormatter : public platform::CardFormatter {
 public:
  bool ReleaseVolume(const platform::Volume& card) override;
  std::optional<std::string> FormatFat(const platform::Volume& card, Target target,
                                       const std::string& label) override;
};

// The formatter for a card: simulated when its device is an image file, udisks2 otherwise.
platform::CardFormatter& FormatterFor(const platform::Volume& card);

}  // namespace vantrel::device
