// A file's bytes on the device: byte ranges of a file mapped through its extents.
#pragma once

#include <cstddef>
#include <cstdint>

#include "lyfs/volume.h"

namespace vantrel::lyfs {

// Reads up to `count` bytes from `offset`, never past the file's size. Returns the bytes read
// (0 at or after the end) or LYFS_ERROR_DEVICE.
int64_t ReadFileData(const Volume& volume, const Area& area, const FileEntry& file, uint64_t offset,
                     void* data, size_t count);

// Writes `count` bytes at `offset` into clusters the file already owns. False when the range
// is not allocated or the device fails.
bool WriteFileData(const Volume& volume, const Area& area, const FileEntry& file, uint64_t offset,
                   const void* data, size_t count);

}  // namespace vantrel::lyfs
