// Fuzzes the LyFS library with the input as a card image held in memory: the check, the device
// information, open, the file list of every directory, opening and reading every file listed
// (in order and at offsets), and writing a file into every directory, then opening the card
// again. When the first corpus folder is empty, it is seeded with small formatted cards.
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "lyfs/byte_io.h"
#include "lyfs/device_opener.h"
#include "lyfs/file_access.h"
#include "lyfs/file_slot.h"
#include "lyfs/formatter.h"
#include "lyfs/lyfs.h"
#include "lyfs/memory_device.h"
#include "lyfs/partition_table.h"
#include "lyfs/volume.h"

namespace {

using namespace vantrel::lyfs;

constexpr char kCard[] = "fuzz-card";
std::shared_ptr<std::vector<uint8_t>> g_card;

// A card of `partition_sectors` LyFS sectors after an 8-sector gap, formatted with 1 KiB
// clusters and holding one small file per directory.
std::vector<uint8_t> FormattedCard(uint32_t partition_sectors) {
  auto bytes = std::make_shared<std::vector<uint8_t>>((8 + partition_sectors) * kSectorSize);
  MemoryDevice device(bytes, true);
  PartitionTable table;
  table[1] = PartitionEntry{kLyfsPartitionType, 8, partition_sectors};
  WritePartitionTable(device, table);
  FormatPartition(device, table[1],
                  {{"INFINITE", 60, 8, 0}, {"EVENT", 20, 4, 0}, {"PARKING", 20, 4, 0}}, 1);
  g_card = bytes;
  std::array<uint8_t, LYFS_DEVICE_BLOCK_SIZE> block{};
  if (QX_LyFS_Device_Open(kCard, LYFS_OPEN_READ_WRITE, block.data()) == LYFS_OK) {
    const std::string text(1500, 'r');
    for (const char* directory : {"INFINITE", "EVENT", "PARKING"}) {
      const int handle = CreateFile(block.data(), directory, "REC_20140101_120000.avi");
      AppendFile(block.data(), handle, text.data(), text.size());
      QX_LyFS_File_Close(block.data(), handle);
    }
    QX_LyFS_Device_Close(block.data());
  }
  return *bytes;
}

// The same card with a file whose extents continue in a second slot.
std::vector<uint8_t> ChainedCard() {
  std::vector<uint8_t> bytes = FormattedCard(256);
  MemoryDevice device(std::make_shared<std::vector<uint8_t>>(bytes), false);
  const auto found = FindLyfsPartition(device);
  if (!found) return bytes;
  const AreaGeometry& area = found->superblock.areas[0];
  std::vector<Extent> extents;
  for (uint32_t i = 0; i < 17; ++i) extents.push_back({10 + 2 * i, 1});
  const uint64_t table = (8 + area.start_sector) * kSectorSize;
  const auto head = EncodeSlot(
      {SlotKind::kFile, 50, 2, 17 * 1024, "chained.avi", {extents.begin(), extents.begin() + 15}});
  const auto tail = EncodeSlot(
      {SlotKind::kContinuation, 50, kNoSlot, 0, {}, {extents.begin() + 15, extents.end()}});
  std::copy(head.begin(), head.end(), bytes.begin() + table + 1 * kSlotSize);
  std::copy(tail.begin(), tail.end(), bytes.begin() + table + 2 * kSlotSize);
  return bytes;
}

void SeedCorpus(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path folder = argv[i];
    std::error_code error;
    if (argv[i][0] == '-' || !std::filesystem::is_directory(folder, error)) continue;
    if (!std::filesystem::is_empty(folder, error)) return;
    const std::pair<const char*, std::vector<uint8_t>> seeds[] = {
        {"formatted-card", FormattedCard(64)}, {"chained-card", ChainedCard()}};
    for (const auto& [name, bytes] : seeds) {
      if (std::FILE* file = std::fopen((folder / name).c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
      }
    }
    return;
  }
}

std::vector<std::string> DirectoryNames() {
  std::set<std::string> names = {"NORMAL", "INFINITE", "EVENT", "PARKING"};
  MemoryDevice device(g_card, false);
  if (const auto found = FindLyfsPartition(device)) {
    for (const AreaGeometry& area : found->superblock.areas) names.insert(area.name);
  }
  return {names.begin(), names.end()};
}

void ReadEveryFile(void* block, const std::vector<std::string>& directories) {
  std::vector<uint8_t> list(LYFS_LIST_BUFFER_SIZE);
  std::vector<uint8_t> buffer(7000);
  for (const std::string& directory : directories) {
    Store32(list.data(), LYFS_LIST_CAPACITY);
    int32_t cursor = 1;
    int count = 0;
    while ((count = QX_LyFS_Get_FileList(block, directory.c_str(), &cursor, list.data(), 0)) > 0) {
      for (int i = 0; i < count; ++i) {
        const uint8_t* record = list.data() + 4 + i * LYFS_LIST_RECORD_SIZE;
        const std::string name(reinterpret_cast<const char*>(record));
        const int id = static_cast<int>(Load32(record + LYFS_LIST_ID_OFFSET));
        const int handle = QX_LyFS_File_Open(block, name.c_str(), "r", 0, 0, id);
        if (handle <= 0) continue;
        ReadFileAt(block, handle, Load32(record + LYFS_LIST_SIZE_OFFSET) / 2, buffer.data(), 5000);
        while (QX_LyFS_File_Read(block, buffer.data(), static_cast<int>(buffer.size()), handle) >
               0) {
        }
        QX_LyFS_File_Close(block, handle);
        const std::string path = "/" + directory + "/" + name;
        const int by_path = QX_LyFS_File_Open(block, path.c_str(), "r", 0, 0, 0);
        if (by_path > 0) QX_LyFS_File_Close(block, by_path);
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  SetDeviceOpener([](const std::string& path, bool writable) -> std::unique_ptr<BlockDevice> {
    if (path != kCard || !g_card) return nullptr;
    return std::make_unique<MemoryDevice>(g_card, writable);
  });
  QX_LyFS_Start();
  SeedCorpus(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  g_card = std::make_shared<std::vector<uint8_t>>(data, data + size);
  std::array<uint8_t, LYFS_MASTER_INFO_SIZE> info{};
  QX_LyFS_Get_Master_Device_Info(kCard, info.data());
  QX_LyFS_Check_LyFS_partition(kCard);
  const std::vector<std::string> directories = DirectoryNames();
  std::array<uint8_t, LYFS_DEVICE_BLOCK_SIZE> block{};
  if (QX_LyFS_Device_Open(kCard, LYFS_OPEN_READ_WRITE, block.data()) != LYFS_OK) return 0;
  ReadEveryFile(block.data(), directories);
  const std::string text(3000, 'w');
  for (const std::string& directory : directories) {
    const int handle = CreateFile(block.data(), directory.c_str(), "fuzz.avi");
    if (handle <= 0) continue;
    AppendFile(block.data(), handle, text.data(), text.size());
    QX_LyFS_File_Close(block.data(), handle);
  }
  QX_LyFS_Device_Close(block.data());
  if (QX_LyFS_Device_Open(kCard, LYFS_OPEN_READ, block.data()) == LYFS_OK) {
    ReadEveryFile(block.data(), directories);
    QX_LyFS_Device_Close(block.data());
  }
  return 0;
}
