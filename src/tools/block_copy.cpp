#include "tools/block_copy.h"

#include <vector>

#include "files/replacing_file.h"

namespace vantrel::tools {
namespace {

// The bytes go to a temporary file beside the target; only a whole copy is renamed over it, so
// a file the user already had of that name survives a failed or called-off copy as it was.
CopyOutcome Copy(const BlockReader& read, std::vector<uint8_t>& buffer, files::ReplacingFile& out,
                 CopyProgress& progress) {
  for (;;) {
    if (progress.cancel.load()) return CopyOutcome::kCancelled;
    const int64_t got = read(buffer.data(), buffer.size());
    if (got == 0) return out.Commit() ? CopyOutcome::kCopied : CopyOutcome::kFailed;
    // A reader that claims more than it was given is as broken as one that fails.
    if (got < 0 || static_cast<uint64_t>(got) > buffer.size()) return CopyOutcome::kFailed;
    if (!out.Write(buffer.data(), static_cast<size_t>(got))) return CopyOutcome::kFailed;
    progress.copied += static_cast<uint64_t>(got);
  }
}

}  // namespace

CopyOutcome CopyBlocks(const BlockReader& read, size_t block_size, const std::string& target,
                       CopyProgress& progress) {
  if (block_size == 0) return CopyOutcome::kFailed;
  files::ReplacingFile out(target);
  if (!out.is_open()) return CopyOutcome::kFailed;
  std::vector<uint8_t> buffer(block_size);
  const CopyOutcome outcome = Copy(read, buffer, out, progress);
  // Anything short of a committed copy leaves only the temporary file, removed here.
  if (outcome != CopyOutcome::kCopied) out.Abandon();
  return outcome;
}

}  // namespace vantrel::tools
