#include "catalogue/lyfs_card_scan.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "catalogue/lyfs_device.h"
#include "catalogue/lyfs_list_record.h"
#include "lyfs/byte_io.h"

namespace vantrel {

namespace {

// Lists one directory into the catalogue; returns its folder record.
FolderRecord ListDirectory(RecordingCatalogue& catalogue, LyfsDeviceBlock& device,
                           const DirectoryName& directory, int32_t group) {
  FolderRecord folder{std::string(NarrowText(directory.narrow)), directory.narrow, 0};
  std::vector<uint8_t> list(LYFS_LIST_BUFFER_SIZE);
  lyfs::Store32(list.data(), LYFS_LIST_CAPACITY);
  int32_t cursor = 1;
  while (folder.count < kMostLyfsFilesPerDirectory) {
    const int listed =
        QX_LyFS_Get_FileList(device.bytes.data(), directory.narrow.data(), &cursor, list.data(), 0);
    if (listed <= 0) break;
    // The buffer holds LYFS_LIST_CAPACITY records, whatever count the call claims.
    const int records = std::min(listed, static_cast<int>(LYFS_LIST_CAPACITY));
    for (int i = 0; i < records; ++i) {
      const auto file = ReadLyfsListRecord(list.data() + 4 + i * LYFS_LIST_RECORD_SIZE);
      if (!file) continue;
      RecordingEntry entry = MakeEntry(file->name, group, file->id, file->name, file->size);
      entry.narrow_name = MakeNarrowName(file->name);
      catalogue.AddEntry(std::move(entry));
    }
    folder.count += records;
  }
  return folder;
}

}  // namespace

bool ScanLyfsCard(RecordingCatalogue& catalogue, const SourceRecord& source) {
  catalogue.BeginScan();
  catalogue.ReleaseLyfsDevice();
  LyfsDeviceHandle device = OpenLyfsDevice(source.device_path);
  if (!device) {
    std::fputs(kLyfsOpenFailureLine, stdout);
    std::fflush(stdout);
    return false;
  }
  catalogue.SetLyfsDevice(std::move(device));
  const std::vector<DirectoryName>& directories = catalogue.directory_names();
  for (size_t group = 0; group < directories.size(); ++group) {
    catalogue.AddFolder(ListDirectory(catalogue, *catalogue.lyfs_device(), directories[group],
                                      static_cast<int32_t>(group)));
  }
  return true;
}

}  // namespace vantrel
