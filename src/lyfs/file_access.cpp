#include "lyfs/file_access.h"

#include <climits>
#include <cstdio>
#include <memory>
#include <vector>

#include "lyfs/file_data.h"
#include "lyfs/file_writer.h"
#include "lyfs/session.h"

namespace vantrel::lyfs {
namespace {

constexpr size_t kPutChunk = 1 << 20;

}  // namespace

int64_t ReadFileAt(const void* block, int handle, uint64_t offset, void* buffer, size_t count) {
  if (buffer == nullptr) return LYFS_ERROR_ARGUMENT;
  int64_t result = 0;
  const int status = WithDevice(block, [&](DeviceSession& device) -> int {
    const OpenFile* file = device.FindFile(handle);
    if (file == nullptr) return LYFS_ERROR_HANDLE;
    const Volume& volume = *device.volume;
    result = ReadFileData(volume, volume.areas()[file->at.area], volume.file(file->at), offset,
                          buffer, count);
    return LYFS_OK;
  });
  return status == LYFS_OK ? result : status;
}

std::optional<FileFacts> StatFile(const void* block, int handle) {
  FileFacts facts;
  const int status = WithDevice(block, [&](DeviceSession& device) -> int {
    const OpenFile* file = device.FindFile(handle);
    if (file == nullptr) return LYFS_ERROR_HANDLE;
    const FileEntry& entry = device.volume->file(file->at);
    facts = FileFacts{entry.id, entry.size};
    return LYFS_OK;
  });
  if (status != LYFS_OK) return std::nullopt;
  return facts;
}

int CreateFile(void* block, const char* directory, const char* name) {
  if (directory == nullptr || name == nullptr) return LYFS_ERROR_ARGUMENT;
  return WithDevice(block, [&](DeviceSession& device) -> int {
    const auto area = device.volume->FindArea(directory);
    if (!area) return LYFS_ERROR_NOT_FOUND;
    if (device.files.size() >= kMaxOpenFiles) return LYFS_ERROR_LIMIT;
    FileLocation at;
    if (const int result = CreateEntry(*device.volume, *area, name, &at); result != LYFS_OK) {
      return result;
    }
    return device.AddFile(OpenFile{at, 0, true});
  });
}

int AppendFile(void* block, int handle, const void* data, size_t count) {
  if (data == nullptr && count > 0) return LYFS_ERROR_ARGUMENT;
  return WithDevice(block, [&](DeviceSession& device) -> int {
    const OpenFile* file = device.FindFile(handle);
    if (file == nullptr) return LYFS_ERROR_HANDLE;
    if (!file->writing) return LYFS_ERROR_READ_ONLY;
    return AppendEntry(*device.volume, file->at, data, count);
  });
}

int PutFile(void* block, const char* directory, const char* name, const std::string& source,
            FileFacts* facts) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> input(std::fopen(source.c_str(), "rb"),
                                                              &std::fclose);
  if (!input) return LYFS_ERROR_ARGUMENT;
  const int handle = CreateFile(block, directory, name);
  if (handle <= 0) return handle;
  std::vector<uint8_t> chunk(kPutChunk);
  int result = LYFS_OK;
  while (result == LYFS_OK) {
    const size_t got = std::fread(chunk.data(), 1, chunk.size(), input.get());
    if (got > 0) result = AppendFile(block, handle, chunk.data(), got);
    if (got < chunk.size()) {
      if (std::ferror(input.get()) && result == LYFS_OK) result = LYFS_ERROR_ARGUMENT;
      break;
    }
  }
  const auto stat = StatFile(block, handle);
  const int closed = QX_LyFS_File_Close(block, handle);
  if (result == LYFS_OK) result = closed;
  if (result == LYFS_OK && stat && facts != nullptr) *facts = *stat;
  return result;
}

}  // namespace vantrel::lyfs
