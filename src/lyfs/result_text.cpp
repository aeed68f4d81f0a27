#include "lyfs/result_text.h"

#include "lyfs/lyfs.h"

namespace vantrel::lyfs {

const char* ResultText(int result) {
  if (result >= LYFS_OK) return "ok";
  switch (result) {
    case LYFS_ERROR_ARGUMENT:
      return "invalid argument";
    case LYFS_ERROR_DEVICE:
      return "device cannot be opened, read or written";
    case LYFS_ERROR_NOT_LYFS:
      return "no LyFS partition";
    case LYFS_ERROR_NOT_FOUND:
      return "no such directory or file";
    case LYFS_ERROR_HANDLE:
      return "not open";
    case LYFS_ERROR_READ_ONLY:
      return "write-protected";
    case LYFS_ERROR_EXISTS:
      return "file exists";
    case LYFS_ERROR_NO_SPACE:
      return "no space left";
    case LYFS_ERROR_TABLE_FULL:
      return "file table full";
    case LYFS_ERROR_TOO_LARGE:
      return "file too large";
    case LYFS_ERROR_LIMIT:
      return "too many open";
    default:
      return "unknown error";
  }
}

}  // namespace vantrel::lyfs
