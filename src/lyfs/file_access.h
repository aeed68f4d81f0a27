// What the viewer and the recorder simulator need beyond the recorder maker's calls: reading at
// an offset for direct playback, a file's identifier and size, and writing files into a
// directory as a recorder does. All take the device block and handles of lyfs.h; a file created
// here is completed by QX_LyFS_File_Close (or by closing its device).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "lyfs/lyfs.h"

namespace vantrel::lyfs {

struct FileFacts {
  int32_t id = 0;
  uint64_t size = 0;
};

// Reads at `offset` without moving the handle's sequential position. Returns the bytes read,
// 0 at or past the end, or an error.
int64_t ReadFileAt(const void* block, int handle, uint64_t offset, void* buffer, size_t count);

// The identifier and present size of an open file.
std::optional<FileFacts> StatFile(const void* block, int handle);

// Creates an empty file `name` in `directory` and opens it for appending. Returns a handle above
// 0 or an error (see file_writer.h).
int CreateFile(void* block, const char* directory, const char* name);

// Appends all of `data` to a file opened by CreateFile, or nothing: LYFS_OK or an error, among
// them LYFS_ERROR_NO_SPACE when the directory's area is full.
int AppendFile(void* block, int handle, const void* data, size_t count);

// Copies the local file `source` into `directory` as `name`: create, append, close. On failure
// the part already written stays on the card, as an interrupted recording does. LYFS_OK (facts
// filled) or an error; LYFS_ERROR_ARGUMENT when `source` cannot be read.
int PutFile(void* block, const char* directory, const char* name, const std::string& source,
            FileFacts* facts);

}  // namespace vantrel::lyfs
