#include "tools/mapped_part.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>

namespace vantrel::tools {

namespace {

// Made present at a time: large enough that the calls cost nothing beside the copy, small enough
// that a failed rebuild has not touched the whole part.
constexpr uint64_t kPresentWindow = 8 << 20;

}  // namespace

MappedPart::MappedPart(const FilePart& part) : part_size_(part.Size()) {
  const long page = ::sysconf(_SC_PAGESIZE);
  if (part_size_ == 0 || page <= 0) return;
  page_ = static_cast<uintptr_t>(page);
  const uint64_t lead = part.begin() % page_;
  const uint64_t size = lead + part_size_;
  if (size > SIZE_MAX) return;
  void* mapping = ::mmap(nullptr, static_cast<size_t>(size), PROT_READ, MAP_SHARED,
                         part.descriptor(), static_cast<off_t>(part.begin() - lead));
  if (mapping == MAP_FAILED) return;
  mapping_ = mapping;
  mapping_size_ = static_cast<size_t>(size);
  part_ = static_cast<const uint8_t*>(mapping) + lead;
}

MappedPart::~MappedPart() {
  if (mapping_ != nullptr) ::munmap(mapping_, mapping_size_);
}

const void* MappedPart::Bytes(uint64_t offset, uint64_t size) {
  const uint64_t end = offset + size;
  if (end > present_) {
    // From the page holding the first byte not yet present. A kernel without MADV_POPULATE_READ
    // refuses it, and the write then faults the pages in itself.
    const uint64_t to = std::min(part_size_, std::max(end, present_ + kPresentWindow));
    const uintptr_t first = reinterpret_cast<uintptr_t>(part_ + present_) & ~(page_ - 1);
    const uintptr_t last = reinterpret_cast<uintptr_t>(part_ + to);
    ::madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_READ);
    present_ = to;
  }
  return part_ + offset;
}

}  // namespace vantrel::tools
