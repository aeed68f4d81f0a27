// Reads the "idx1" index: one entry per data chunk with its key-frame flag. Entry offsets are
// normally counted from the movie list's "movi" type, but some writers store file offsets; the
// first entry that names a stream chunk decides which, by looking at the bytes it points to.
#pragma once

#include <cstddef>
#include <vector>

#include "avi/avi_header.h"
#include "avi/byte_source.h"
#include "avi/chunk_ref.h"

namespace vantrel::avi {

// The number of 16-byte entries in the index (0 without one).
size_t IndexEntryCount(const AviHeader& header);

// The entries that name a data chunk of one of the file's streams and whose data lies inside
// the movie area, in file order. Entries for other chunks ("JUNK", "LIST", strays) and entries
// pointing outside the area are left out. Empty when there is no index or it cannot be read.
std::vector<ChunkRef> ReadIndex(ByteSource& source, const AviHeader& header);

}  // namespace vantrel::avi
