// vantrel-cli lyfs: LyFS card operations through the same library calls the viewer makes.
//   ls DEVICE [DIR...]            call<TAB>dir<TAB>n per list call (the last one returning 0 or
//                                 less included), file<TAB>dir<TAB>id<TAB>size<TAB>name per record
//   get DEVICE /DIR/NAME OUT      copies a card file to OUT
//   put DEVICE DIR FILE...        writes files as the recorder does; a file line per file
//   info DEVICE                   sectors<TAB>n, lyfs<TAB>0|1, and
//                                 partition<TAB>i<TAB>0xNN<TAB>start_sector<TAB>sectors for
//                                 every used table entry (i from 1, type as two hex digits)
//   format DEVICE --model TEXT [--sd-allocation N]    result<TAB>code
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "arguments.h"
#include "commands.h"
#include "device/lyfs_folder_split.h"
#include "device/lyfs_partition_format.h"
#include "lyfs/byte_io.h"
#include "lyfs/device_opener.h"
#include "lyfs/file_access.h"
#include "lyfs/lyfs.h"
#include "lyfs/opened_device.h"
#include "lyfs/partition_table.h"
#include "lyfs/result_text.h"

namespace vantrel::cli {
namespace {

const char* const kCardDirectories[] = {"NORMAL", "INFINITE", "EVENT", "PARKING"};
constexpr int kReadBlock = 262144;

int Fail(const std::string& what, int result) {
  std::fprintf(stderr, "vantrel-cli: lyfs %s: %s\n", what.c_str(), lyfs::ResultText(result));
  return 1;
}

struct ListedFile {
  std::string name;
  int32_t id = 0;
  uint32_t size = 0;
};

// Runs the list loop over one directory: `on_call` sees every call's result, then `on_file`
// each record that call wrote.
template <typename OnCall, typename OnFile>
void ListDirectory(void* block, const std::string& directory, OnCall on_call, OnFile on_file) {
  std::vector<uint8_t> buffer(LYFS_LIST_BUFFER_SIZE);
  lyfs::Store32(buffer.data(), LYFS_LIST_CAPACITY);
  int32_t cursor = 1;
  for (;;) {
    const int count = QX_LyFS_Get_FileList(block, directory.c_str(), &cursor, buffer.data(), 0);
    on_call(count);
    if (count <= 0) break;
    for (int i = 0; i < count && i < LYFS_LIST_CAPACITY; ++i) {
      const uint8_t* record = buffer.data() + 4 + i * LYFS_LIST_RECORD_SIZE;
      const auto* name = reinterpret_cast<const char*>(record + LYFS_LIST_NAME_OFFSET);
      on_file(ListedFile{std::string(name, strnlen(name, LYFS_LIST_ID_OFFSET)),
                         static_cast<int32_t>(lyfs::Load32(record + LYFS_LIST_ID_OFFSET)),
                         lyfs::Load32(record + LYFS_LIST_SIZE_OFFSET)});
    }
  }
}

int List(const Words& words) {
  if (words.empty()) return Fail("ls", LYFS_ERROR_ARGUMENT);
  lyfs::OpenedDevice card(words[0]);
  if (card.result() != LYFS_OK) return Fail("ls " + words[0], card.result());
  std::vector<std::string> directories(words.begin() + 1, words.end());
  if (directories.empty())
    directories.assign(std::begin(kCardDirectories), std::end(kCardDirectories));
  for (const std::string& directory : directories) {
    ListDirectory(
        card.block(), directory,
        [&](int count) { std::printf("call\t%s\t%d\n", directory.c_str(), count); },
        [&](const ListedFile& file) {
          std::printf("file\t%s\t%d\t%u\t%s\n", directory.c_str(), file.id, file.size,
                      file.name.c_str());
        });
  }
  return 0;
}

int Get(const Words& words) {
  if (words.size() != 3 || words[1].size() < 2 || words[1][0] != '/') {
    return Fail("get", LYFS_ERROR_ARGUMENT);
  }
  const std::string& path = words[1];
  const size_t slash = path.find('/', 1);
  if (slash == std::string::npos) return Fail("get " + path, LYFS_ERROR_ARGUMENT);
  lyfs::OpenedDevice card(words[0]);
  if (card.result() != LYFS_OK) return Fail("get " + words[0], card.result());
  const std::string directory = path.substr(1, slash - 1);
  const std::string name = path.substr(slash + 1);
  int32_t id = 0;
  ListDirectory(
      card.block(), directory, [](int) {},
      [&](const ListedFile& file) {
        if (file.name == name) id = file.id;
      });
  if (id <= 0) return Fail("get " + path, LYFS_ERROR_NOT_FOUND);
  const int handle = QX_LyFS_File_Open(card.block(), path.c_str(), "r", 0, 0, id);
  if (handle <= 0) return Fail("get " + path, handle);
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::fopen(words[2].c_str(), "wb"),
                                                            &std::fclose);
  std::vector<uint8_t> buffer(kReadBlock);
  int got = 0;
  bool written = out != nullptr;
  while (written &&
         (got = QX_LyFS_File_Read(card.block(), buffer.data(), kReadBlock, handle)) > 0) {
    written = std::fwrite(buffer.data(), 1, static_cast<size_t>(got), out.get()) ==
              static_cast<size_t>(got);
  }
  QX_LyFS_File_Close(card.block(), handle);
  if (!written) return Fail("get " + words[2], LYFS_ERROR_DEVICE);
  if (got < 0) return Fail("get " + path, got);
  return std::fflush(out.get()) == 0 ? 0 : Fail("get " + words[2], LYFS_ERROR_DEVICE);
}

int Put(const Words& words) {
  if (words.size() < 3) return Fail("put", LYFS_ERROR_ARGUMENT);
  lyfs::OpenedDevice card(words[0]);
  if (card.result() != LYFS_OK) return Fail("put " + words[0], card.result());
  const std::string& directory = words[1];
  for (size_t i = 2; i < words.size(); ++i) {
    const std::string name = std::filesystem::path(words[i]).filename().string();
    lyfs::FileFacts facts;
    const int result =
        lyfs::PutFile(card.block(), directory.c_str(), name.c_str(), words[i], &facts);
    if (result != LYFS_OK) return Fail("put " + words[i], result);
    std::printf("file\t%s\t%d\t%llu\t%s\n", directory.c_str(), facts.id,
                static_cast<unsigned long long>(facts.size), name.c_str());
  }
  return 0;
}

int Info(const Words& words) {
  if (words.size() != 1) return Fail("info", LYFS_ERROR_ARGUMENT);
  const std::string& path = words[0];
  std::array<uint8_t, LYFS_MASTER_INFO_SIZE> info{};
  const int result = QX_LyFS_Get_Master_Device_Info(path.c_str(), info.data());
  if (result != LYFS_OK) return Fail("info " + path, result);
  std::printf("sectors\t%u\n", lyfs::Load32(info.data() + 12));
  std::printf("lyfs\t%d\n", QX_LyFS_Check_LyFS_partition(path.c_str()) != 0 ? 1 : 0);
  const auto device = lyfs::OpenDevice(path, false);
  const auto table = device ? lyfs::ReadPartitionTable(*device) : std::nullopt;
  for (size_t i = 0; table && i < table->size(); ++i) {
    const lyfs::PartitionEntry& entry = (*table)[i];
    if (entry.type == 0) continue;
    std::printf("partition\t%zu\t0x%02x\t%u\t%u\n", i + 1, entry.type, entry.start_sector,
                entry.sectors);
  }
  return 0;
}

// The library's word on the card: it can be read but not written.
bool WriteProtected(const std::string& card) {
  uint8_t info[LYFS_MASTER_INFO_SIZE] = {};
  return QX_LyFS_Get_Master_Device_Info(card.c_str(), info) == LYFS_OK &&
         (lyfs::Load32(info + 8) & 1) != 0;
}

int Format(const Words& words) {
  const Arguments arguments(words, {"model", "sd-allocation"});
  const auto model = arguments.Value("model");
  if (!arguments.error().empty() || arguments.positional().size() != 1 || !model) {
    return Fail("format", LYFS_ERROR_ARGUMENT);
  }
  const int sd_allocation =
      static_cast<int>(arguments.Integer("sd-allocation", device::kSdAllocationNotRead));
  const std::string& card = arguments.positional()[0];
  const int code = device::LyfsPartitionFormat(card, *model, sd_allocation);
  std::printf("result\t%d\n", code);
  if (code != device::kLyfsFormatDone && WriteProtected(card)) {
    std::fputs(
        "vantrel-cli: lyfs format: the card cannot be written: it is write-protected (its lock "
        "switch) or this user may not write its disk\n",
        stderr);
  }
  return code == device::kLyfsFormatDone ? 0 : 1;
}

}  // namespace

int LyfsCommand(const Words& words) {
  QX_LyFS_Start();
  const Words rest(words.empty() ? words.end() : words.begin() + 1, words.end());
  const std::string verb = words.empty() ? "" : words[0];
  int code = 2;
  if (verb == "ls")
    code = List(rest);
  else if (verb == "get")
    code = Get(rest);
  else if (verb == "put")
    code = Put(rest);
  else if (verb == "info")
    code = Info(rest);
  else if (verb == "format")
    code = Format(rest);
  else
    std::fputs("usage: vantrel-cli lyfs ls|get|put|info|format DEVICE ...\n", stderr);
  QX_LyFS_Stop();
  return code;
}

}  // namespace vantrel::cli
