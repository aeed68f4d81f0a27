// The library's calls on an open device: start and stop, open and close, the file list and
// reading files.
#include <algorithm>
#include <climits>
#include <cstring>
#include <string_view>

#include "lyfs/byte_io.h"
#include "lyfs/file_data.h"
#include "lyfs/file_writer.h"
#include "lyfs/lyfs.h"
#include "lyfs/names.h"
#include "lyfs/session.h"

namespace vantrel::lyfs {
namespace {

// "NAME" or "/DIR/NAME"; false for anything else.
bool SplitPath(std::string_view path, std::string_view* directory, std::string_view* name) {
  *directory = {};
  if (!path.empty() && path.front() == '/') {
    const size_t slash = path.find('/', 1);
    if (slash == std::string_view::npos) return false;
    *directory = path.substr(1, slash - 1);
    path = path.substr(slash + 1);
    if (!IsValidName(*directory, kMaxDirectoryNameLength)) return false;
  }
  *name = path;
  return IsValidName(*name, kMaxFileNameLength);
}

std::optional<FileLocation> Locate(const Volume& volume, std::string_view directory,
                                   std::string_view name, int file_id) {
  if (file_id > 0) {
    const auto at = volume.FindFile(file_id);
    // The identifier must name the file the path names, so a stale identifier cannot open
    // another recording.
    if (!at || volume.file(*at).name != name ||
        (!directory.empty() && volume.areas()[at->area].geometry.name != directory)) {
      return std::nullopt;
    }
    return at;
  }
  for (size_t area = 0; area < volume.areas().size(); ++area) {
    const Area& candidate = volume.areas()[area];
    if (!directory.empty() && candidate.geometry.name != directory) continue;
    const auto found = candidate.file_by_name.find(std::string(name));
    if (found != candidate.file_by_name.end()) return FileLocation{area, found->second};
  }
  return std::nullopt;
}

void WriteListRecord(uint8_t* record, const FileEntry& file) {
  std::memset(record, 0, LYFS_LIST_RECORD_SIZE);
  std::memcpy(record + LYFS_LIST_NAME_OFFSET, file.name.data(),
              std::min<size_t>(file.name.size(), LYFS_MAX_NAME_LENGTH));
  Store32(record + LYFS_LIST_ID_OFFSET, static_cast<uint32_t>(file.id));
  Store32(record + LYFS_LIST_SIZE_OFFSET, static_cast<uint32_t>(file.size));
}

}  // namespace
}  // namespace vantrel::lyfs

using namespace vantrel::lyfs;

extern "C" {

void QX_LyFS_Start(void) {}

void QX_LyFS_Stop(void) { CloseAllDevices(); }

int QX_LyFS_Device_Open(const char* device_path, int mode, void* block) {
  if (device_path == nullptr || block == nullptr) return LYFS_ERROR_ARGUMENT;
  if (mode != LYFS_OPEN_READ && mode != LYFS_OPEN_READ_WRITE) return LYFS_ERROR_ARGUMENT;
  return OpenDeviceBlock(device_path, mode == LYFS_OPEN_READ_WRITE, block);
}

int QX_LyFS_Device_Close(void* block) { return CloseDeviceBlock(block); }

int QX_LyFS_Get_FileList(void* block, const char* directory, int32_t* cursor, void* list,
                         int reserved) {
  if (directory == nullptr || cursor == nullptr || list == nullptr) return LYFS_ERROR_ARGUMENT;
  auto* bytes = static_cast<uint8_t*>(list);
  const int32_t capacity = static_cast<int32_t>(Load32(bytes));
  if (capacity <= 0 || *cursor < 1) return LYFS_ERROR_ARGUMENT;
  return WithDevice(block, [&](DeviceSession& device) -> int {
    const auto area = device.volume->FindArea(directory);
    if (!area) return LYFS_ERROR_NOT_FOUND;
    const auto& files = device.volume->areas()[*area].files;
    // The cursor counts the files already listed, plus one.
    const size_t first = static_cast<size_t>(*cursor) - 1;
    if (first >= files.size()) return 0;
    const size_t count =
        std::min({files.size() - first, size_t{LYFS_LIST_CAPACITY}, static_cast<size_t>(capacity)});
    for (size_t i = 0; i < count; ++i) {
      WriteListRecord(bytes + 4 + i * LYFS_LIST_RECORD_SIZE, files[first + i]);
    }
    *cursor += static_cast<int32_t>(count);
    return static_cast<int>(count);
  });
}

int QX_LyFS_File_Open(void* block, const char* path, const char* mode, int reserved1, int reserved2,
                      int file_id) {
  if (path == nullptr || mode == nullptr) return LYFS_ERROR_ARGUMENT;
  if (std::strcmp(mode, "r") != 0 && std::strcmp(mode, "rb") != 0) return LYFS_ERROR_ARGUMENT;
  std::string_view directory, name;
  if (!SplitPath(path, &directory, &name)) return LYFS_ERROR_ARGUMENT;
  return WithDevice(block, [&](DeviceSession& device) -> int {
    const auto at = Locate(*device.volume, directory, name, file_id);
    if (!at) return LYFS_ERROR_NOT_FOUND;
    return device.AddFile(OpenFile{*at, 0, false});
  });
}

int QX_LyFS_File_Read(void* block, void* buffer, int count, int handle) {
  if (buffer == nullptr || count < 0) return LYFS_ERROR_ARGUMENT;
  return WithDevice(block, [&](DeviceSession& device) -> int {
    OpenFile* file = device.FindFile(handle);
    if (file == nullptr) return LYFS_ERROR_HANDLE;
    const Volume& volume = *device.volume;
    const int64_t got = ReadFileData(volume, volume.areas()[file->at.area], volume.file(file->at),
                                     file->position, buffer, static_cast<size_t>(count));
    if (got > 0) file->position += static_cast<uint64_t>(got);
    return static_cast<int>(got);
  });
}

int QX_LyFS_File_Close(void* block, int handle) {
  return WithDevice(block, [&](DeviceSession& device) -> int {
    const OpenFile* file = device.FindFile(handle);
    if (file == nullptr) return LYFS_ERROR_HANDLE;
    const int result = file->writing ? FinishEntry(*device.volume, file->at) : LYFS_OK;
    device.files.erase(handle);
    return result;
  });
}

}  // extern "C"
