#include "avi/index_builder.h"

#include <limits>

#include "avi/byte_order.h"

namespace vantrel::avi {

bool IndexBuilder::Add(FourCcValue id, uint32_t flags, uint64_t chunk_offset, uint32_t size) {
  if (chunk_offset < base_ || chunk_offset - base_ > std::numeric_limits<uint32_t>::max()) {
    return false;
  }
  AddRelative(id, flags, static_cast<uint32_t>(chunk_offset - base_), size);
  return true;
}

void IndexBuilder::AddRelative(FourCcValue id, uint32_t flags, uint32_t relative_offset,
                               uint32_t size) {
  AppendLe32(entries_, id);
  AppendLe32(entries_, flags);
  AppendLe32(entries_, relative_offset);
  AppendLe32(entries_, size);
}

}  // namespace vantrel::avi
