#include "device/lyfs_folder_split.h"

namespace vantrel::device {

LyfsFolderSplit BuildLyfsFolderSplit(std::string_view model, int sd_allocation) {
  // The recorder reads these same directory names back; each area keeps the recorder's table
  // capacity and cluster size.
  const auto entry = [](const char* name, uint32_t share) {
    return lyfs::FolderSplitEntry{name, share};
  };
  if (model == "MERIDA") {
    return lyfs::EncodeFolderSplit({entry("NORMAL", 40), entry("EVENT", 20), entry("PARKING", 40)});
  }
  if (sd_allocation == 0 || sd_allocation == kSdAllocationNotRead) {
    return lyfs::EncodeFolderSplit(
        {entry("INFINITE", 60), entry("EVENT", 20), entry("PARKING", 20)});
  }
  return lyfs::EncodeFolderSplit({entry("INFINITE", 20), entry("EVENT", 20), entry("PARKING", 60)});
}

}  // namespace vantrel::device
