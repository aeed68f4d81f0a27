// Turns a card into a LyFS card: a small first partition that will carry FAT32 (formatted
// afterwards with the system's tools), and the LyFS area over the rest of the card.
#pragma once

#include <string>
#include <string_view>

namespace vantrel::device {

enum LyfsFormatResult {
  kLyfsFormatDone = 1000,
  kLyfsFormatTooSmall = 1001,      // the card reports less than 1 KiB
  kLyfsFormatDeleteFailed = 1002,  // the old partitions could not be removed
  kLyfsFormatFirstFailed = 1003,   // partition 1 could not be created
  kLyfsFormatSecondFailed = 1004,  // partition 2 could not be created, or no room is left for it
  kLyfsFormatLyfsFailed = 1005,    // the LyFS format itself failed
};

// Size of partition 1 in MiB: 160 for "KT520A(Merida)" and "KT730A(Merida)", else 110.
unsigned LyfsFirstPartitionMiB(std::string_view model);

// Partitions and formats the card at `device_path` through the LyFS library: device
// information, delete the partitions, create partition 1 and 2, format with the model's folder
// split. `sd_allocation` is the card's SD allocation as last read (100: not read). Returns one
// of LyfsFormatResult.
int LyfsPartitionFormat(const std::string& device_path, std::string_view model, int sd_allocation);

}  // namespace vantrel::device
