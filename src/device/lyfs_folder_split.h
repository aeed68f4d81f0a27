// The folder split a LyFS card is formatted with: which recording directories the LyFS area
// holds and what share each gets, by recorder model and the card's SD allocation setting.
#pragma once

#include <string_view>

#include "lyfs/folder_split.h"

namespace vantrel::device {

// The 232-byte block handed to the LyFS format call.
using LyfsFolderSplit = lyfs::FolderSplitBlock;

// The SD allocation value meaning "not read from any card yet".
constexpr int kSdAllocationNotRead = 100;

// "MERIDA": NORMAL 40, EVENT 20, PARKING 40. Any other model: INFINITE 60, EVENT 20, PARKING 20
// when the SD allocation last read is 0 or not read (100), else INFINITE 20, EVENT 20,
// PARKING 60. Model texts compare exactly.
LyfsFolderSplit BuildLyfsFolderSplit(std::string_view model, int sd_allocation);

}  // namespace vantrel::device
