// Filling the catalogue from the file system: a folder tree (a computer folder, or the whole of a
// FAT card from its mount root), the items chosen in the folder picker, and dropped items.
// Nothing is opened: names, kinds and sizes come from the folder listings. Links are followed,
// but no folder is scanned twice within one tree, so a link back up the tree ends there.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/folder_record.h"
#include "catalogue/recording_catalogue.h"

namespace vantrel {

// Groups of file-system entries.
inline constexpr int32_t kFatCardGroup = 0;
inline constexpr int32_t kComputerFolderGroup = 1;

// Adds every accepted file of the folder tree at folder.path (a "/" is added when missing) as
// an entry of the group, path = folder path + name. folder.count grows by 1 for each accepted
// file directly in the folder and for each sub-folder whose own scan succeeded. False when the
// folder cannot be listed.
bool ScanFolderTree(RecordingCatalogue& catalogue, FolderRecord& folder, int32_t group);

// The folder picker's chosen items, in order, into a fresh scan (group 1): folders are scanned
// as trees; a file shown without ".avi" is looked for with ".avi" added. A file that does not
// exist stops the scan with failure, keeping what was found before. On success one folder record
// holds the count of everything found. False too when nothing was found.
bool ScanPickedItems(RecordingCatalogue& catalogue, const std::vector<std::string>& items);

// As ScanPickedItems for the items of a drop, except that a file is looked for exactly as
// dropped. A dropped path longer than kDroppedPathCharacters characters counts as not found.
inline constexpr size_t kDroppedPathCharacters = 260;
bool ScanDroppedItems(RecordingCatalogue& catalogue, const std::vector<std::string>& items);

// Deletes the files directly in the folder; sub-folders and what they hold stay. False when the
// folder cannot be listed or a file cannot be deleted.
bool EmptyFolderFiles(std::string_view folder_path);

}  // namespace vantrel
