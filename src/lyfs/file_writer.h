// Writing files the way a recorder does: create a file in a directory's area, append to it,
// finish it. Clusters come from the area's free end in runs of a few megabytes, so a recording
// lies in one extent even while other files of the area grow beside it; a file's slots are
// rewritten whenever it gains clusters and when it is finished, so a recording cut off by power
// loss keeps all but its last few megabytes.
#pragma once

#include <cstddef>
#include <string_view>

#include "lyfs/volume.h"

namespace vantrel::lyfs {

// Creates an empty file named `name` in an area and writes its slot. Returns LYFS_OK with its
// location, or LYFS_ERROR_ARGUMENT (invalid name), LYFS_ERROR_EXISTS, LYFS_ERROR_READ_ONLY,
// LYFS_ERROR_TABLE_FULL, LYFS_ERROR_LIMIT (identifiers used up) or LYFS_ERROR_DEVICE.
int CreateEntry(Volume& volume, size_t area, std::string_view name, FileLocation* location);

// Appends all `count` bytes or nothing: LYFS_OK, LYFS_ERROR_TOO_LARGE, LYFS_ERROR_NO_SPACE
// (area full), LYFS_ERROR_TABLE_FULL (no slot for more extents), LYFS_ERROR_READ_ONLY or
// LYFS_ERROR_DEVICE.
int AppendEntry(Volume& volume, FileLocation at, const void* data, size_t count);

// Gives back clusters allocated beyond the file's size, writes its slots and flushes the device.
int FinishEntry(Volume& volume, FileLocation at);

}  // namespace vantrel::lyfs
