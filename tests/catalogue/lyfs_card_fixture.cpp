#include "lyfs_card_fixture.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>

#include "lyfs/byte_io.h"
#include "lyfs/file_access.h"
#include "lyfs/folder_split.h"
#include "lyfs/lyfs.h"

namespace vantrel::test {

namespace {

constexpr uid_t kNobody = 65534;

int Partition(const std::string& path) {
  std::array<uint8_t, LYFS_MASTER_INFO_SIZE> info{};
  if (const int result = QX_LyFS_Get_Master_Device_Info(path.c_str(), info.data())) return result;
  uint32_t next = 0;
  uint32_t alignment = lyfs::Load32(info.data() + 16);
  if (const int result = QX_LyFS_Create_Partition(path.c_str(), 1, 1, 0, &next, &alignment)) {
    return result;
  }
  if (const int result =
          QX_LyFS_Create_Partition(path.c_str(), 2, 1u << 20, 0, &next, &alignment)) {
    return result;
  }
  const auto split = lyfs::EncodeFolderSplit(
      {{"INFINITE", 40, 256, 5}, {"EVENT", 40, 256, 5}, {"PARKING", 20, 256, 5}});
  return QX_LyFS_Format(path.c_str(), path.c_str(), 2, LYFS_FORMAT_QUICK, split.data(), 0);
}

bool PutFiles(const std::string& path, const std::vector<CardFile>& files) {
  std::array<uint8_t, LYFS_DEVICE_BLOCK_SIZE> block{};
  if (QX_LyFS_Device_Open(path.c_str(), LYFS_OPEN_READ_WRITE, block.data()) != LYFS_OK) {
    return false;
  }
  bool written = true;
  for (const CardFile& file : files) {
    const int handle = lyfs::CreateFile(block.data(), file.directory.c_str(), file.name.c_str());
    written =
        handle > 0 &&
        lyfs::AppendFile(block.data(), handle, file.bytes.data(), file.bytes.size()) == LYFS_OK &&
        QX_LyFS_File_Close(block.data(), handle) == LYFS_OK;
    if (!written) break;
  }
  QX_LyFS_Device_Close(block.data());
  return written;
}

}  // namespace

bool MakeLyfsCardImage(const std::string& path, uint32_t size_mib,
                       const std::vector<CardFile>& files) {
  { std::ofstream image(path, std::ios::binary | std::ios::trunc); }
  std::error_code error;
  std::filesystem::resize_file(path, uint64_t{size_mib} << 20, error);
  return !error && Partition(path) == LYFS_OK && PutFiles(path, files);
}

std::optional<bool> AsOrdinaryUser(const std::function<bool()>& check) {
  if (::geteuid() != 0) return check();
  const pid_t child = ::fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    const bool dropped = ::setgroups(0, nullptr) == 0 &&
                         ::setresgid(kNobody, kNobody, kNobody) == 0 &&
                         ::setresuid(kNobody, kNobody, kNobody) == 0;
    ::_exit(!dropped ? 2 : check() ? 1 : 0);
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 2) {
    return std::nullopt;
  }
  return WEXITSTATUS(status) == 1;
}

}  // namespace vantrel::test
