// One scanned folder or LyFS directory and the number of things found in it. A scan runs on one
// such record: it counts the accepted files directly in the folder and the sub-folders that
// could be listed.
#pragma once

#include <cstdint>
#include <string>

#include "catalogue/narrow_name.h"

namespace vantrel {

struct FolderRecord {
  std::string path;          // folder path ending in "/", or a LyFS directory name
  NarrowName narrow_name{};  // LyFS directories: the name as the card's library takes it
  int32_t count = 0;
};

}  // namespace vantrel
