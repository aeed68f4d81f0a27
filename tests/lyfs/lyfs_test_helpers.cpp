#include "lyfs_test_helpers.h"

#include <cstring>

#include "lyfs/byte_io.h"
#include "lyfs/file_access.h"

namespace vantrel::test {

std::vector<lyfs::FolderSplitEntry> SmallSplit() {
  return {{"INFINITE", 60, 128, 5}, {"EVENT", 20, 128, 5}, {"PARKING", 20, 128, 5}};
}

int MakeLyfsCard(const std::string& path, const std::vector<lyfs::FolderSplitEntry>& split) {
  std::array<uint8_t, LYFS_MASTER_INFO_SIZE> info{};
  if (const int result = QX_LyFS_Get_Master_Device_Info(path.c_str(), info.data())) return result;
  if (const int result = QX_LyFS_Delete_Partition(path.c_str(), LYFS_DELETE_ALL)) return result;
  uint32_t next = 0;
  uint32_t alignment = lyfs::Load32(info.data() + 16);
  if (const int result = QX_LyFS_Create_Partition(path.c_str(), 1, 1, 0, &next, &alignment)) {
    return result;
  }
  if (const int result =
          QX_LyFS_Create_Partition(path.c_str(), 2, 1u << 20, 0, &next, &alignment)) {
    return result;
  }
  const auto block = lyfs::EncodeFolderSplit(split);
  return QX_LyFS_Format(path.c_str(), path.c_str(), 2, LYFS_FORMAT_QUICK, block.data(), 0);
}

Listing ListDirectory(void* block, const std::string& directory) {
  Listing listing;
  std::vector<uint8_t> buffer(LYFS_LIST_BUFFER_SIZE);
  lyfs::Store32(buffer.data(), LYFS_LIST_CAPACITY);
  int32_t cursor = 1;
  // A bound on the calls keeps a broken cursor from hanging the test.
  for (int guard = 0; guard < 100000; ++guard) {
    const int count = QX_LyFS_Get_FileList(block, directory.c_str(), &cursor, buffer.data(), 0);
    listing.calls.push_back(count);
    if (count <= 0) break;
    for (int i = 0; i < count; ++i) {
      const uint8_t* record = buffer.data() + 4 + i * LYFS_LIST_RECORD_SIZE;
      const auto* name = reinterpret_cast<const char*>(record);
      listing.records.push_back({std::string(name, strnlen(name, LYFS_LIST_ID_OFFSET)),
                                 static_cast<int32_t>(lyfs::Load32(record + LYFS_LIST_ID_OFFSET)),
                                 lyfs::Load32(record + LYFS_LIST_SIZE_OFFSET)});
    }
  }
  return listing;
}

int PutBytes(void* block, const std::string& directory, const std::string& name,
             const std::string& bytes) {
  const int handle = lyfs::CreateFile(block, directory.c_str(), name.c_str());
  if (handle <= 0) return handle;
  const int appended = lyfs::AppendFile(block, handle, bytes.data(), bytes.size());
  const int closed = QX_LyFS_File_Close(block, handle);
  return appended != LYFS_OK ? appended : closed;
}

std::string ReadAll(void* block, const std::string& path, int id, int chunk) {
  const int handle = QX_LyFS_File_Open(block, path.c_str(), "r", 0, 0, id);
  if (handle <= 0) return "<error " + std::to_string(handle) + ">";
  std::string bytes;
  std::vector<char> buffer(static_cast<size_t>(chunk));
  int got = 0;
  while ((got = QX_LyFS_File_Read(block, buffer.data(), chunk, handle)) > 0) {
    bytes.append(buffer.data(), static_cast<size_t>(got));
  }
  QX_LyFS_File_Close(block, handle);
  if (got < 0) return "<error " + std::to_string(got) + ">";
  return bytes;
}

}  // namespace vantrel::test
