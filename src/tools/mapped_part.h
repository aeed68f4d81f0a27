// A file part mapped into memory read-only, so that its bytes can be handed to the output file
// in place and the kernel copies them once, page cache to page cache, as cp does.
//
// Only the kernel reads the mapping, as the source of a write: if the file is cut short while it
// is mapped, that write fails (EFAULT) where a read by this process would raise SIGBUS. Pages
// are made present ahead of the writer a window at a time, so the copy does not stop at every
// page for a fault.
#pragma once

#include <cstddef>
#include <cstdint>

#include "tools/file_part.h"

namespace vantrel::tools {

class MappedPart {
 public:
  // Not mapped when the part is empty or the system refuses the mapping; the caller then reads
  // the part instead.
  explicit MappedPart(const FilePart& part);
  ~MappedPart();
  MappedPart(const MappedPart&) = delete;
  MappedPart& operator=(const MappedPart&) = delete;

  bool is_mapped() const { return mapping_ != nullptr; }

  // Where the part's bytes [offset, offset + size) are, made present; the caller keeps within
  // the part. Never to be read by this process (see above).
  const void* Bytes(uint64_t offset, uint64_t size);

 private:
  uintptr_t page_ = 0;
  void* mapping_ = nullptr;
  size_t mapping_size_ = 0;
  const uint8_t* part_ = nullptr;  // the part's first byte inside the mapping
  uint64_t part_size_ = 0;
  uint64_t present_ = 0;  // bytes of the part made present so far
};

}  // namespace vantrel::tools
