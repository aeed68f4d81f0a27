#include "catalogue/lyfs_list_record.h"

#include <cstring>

#include "lyfs/byte_io.h"
#include "lyfs/names.h"

namespace vantrel {

std::optional<LyfsListedFile> ReadLyfsListRecord(const uint8_t* record) {
  const auto* name = reinterpret_cast<const char*>(record + LYFS_LIST_NAME_OFFSET);
  constexpr size_t kNameField = LYFS_LIST_ID_OFFSET - LYFS_LIST_NAME_OFFSET;
  LyfsListedFile file;
  file.name.assign(name, strnlen(name, kNameField));
  file.id = static_cast<int32_t>(lyfs::Load32(record + LYFS_LIST_ID_OFFSET));
  file.size = lyfs::Load32(record + LYFS_LIST_SIZE_OFFSET);
  if (file.id < 1 || !lyfs::IsValidName(file.name, kNameField)) return std::nullopt;
  return file;
}

}  // namespace vantrel
