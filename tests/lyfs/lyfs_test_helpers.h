// Helpers shared by the LyFS tests: making a formatted card, opening it, listing and reading
// through the library's calls exactly as the card reader does.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "byte_pattern.h"
#include "lyfs/folder_split.h"
#include "lyfs/lyfs.h"
#include "lyfs/opened_device.h"

namespace vantrel::test {

// INFINITE 60, EVENT 20, PARKING 20, with small tables so that tests stay quick.
std::vector<lyfs::FolderSplitEntry> SmallSplit();

// Partitions the device at `path` (1 MiB partition 1, partition 2 to the end) and formats
// partition 2 with `split`. LYFS_OK or the first failing call's result.
int MakeLyfsCard(const std::string& path, const std::vector<lyfs::FolderSplitEntry>& split);

// A device block opened with the card reader's mode; closed at the end of its scope.
using OpenedCard = lyfs::OpenedDevice;

struct ListedRecord {
  std::string name;
  int32_t id = 0;
  uint32_t size = 0;
};

struct Listing {
  std::vector<int> calls;  // every call's result, the final one included
  std::vector<ListedRecord> records;
};

// The card reader's loop: a capacity-30 buffer and cursor 1, calling until 0 or less.
Listing ListDirectory(void* block, const std::string& directory);

// Writes a whole file through CreateFile / AppendFile / File_Close. LYFS_OK or an error.
int PutBytes(void* block, const std::string& directory, const std::string& name,
             const std::string& bytes);

// Opens `path` with `id` and reads it to the end in `chunk`-byte reads; "<error N>" on failure.
std::string ReadAll(void* block, const std::string& path, int id, int chunk = 262144);

}  // namespace vantrel::test
