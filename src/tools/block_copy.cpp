#include "tools/block_copy.h"

#include <unistd.h>

#include <vector>

#include "tools/output_file.h"

namespace vantrel::tools {
namespace {

CopyOutcome Copy(const BlockReader& read, std::vector<uint8_t>& buffer, OutputFile& out,
                 CopyProgress& progress) {
  for (;;) {
    if (progress.cancel.load()) return CopyOutcome::kCancelled;
    const int64_t got = read(buffer.data(), buffer.size());
    if (got == 0) return out.Close() ? CopyOutcome::kCopied : CopyOutcome::kFailed;
    // A reader that claims more than it was given is as broken as one that fails.
    if (got < 0 || static_cast<uint64_t>(got) > buffer.size()) return CopyOutcome::kFailed;
    if (!out.Append(buffer.data(), static_cast<size_t>(got))) return CopyOutcome::kFailed;
    progress.copied += static_cast<uint64_t>(got);
  }
}

}  // namespace

CopyOutcome CopyBlocks(const BlockReader& read, size_t block_size, const std::string& target,
                       CopyProgress& progress) {
  if (block_size == 0) return CopyOutcome::kFailed;
  CopyOutcome outcome = CopyOutcome::kFailed;
  {
    OutputFile out(target);
    if (!out.is_open()) return CopyOutcome::kFailed;
    std::vector<uint8_t> buffer(block_size);
    outcome = Copy(read, buffer, out, progress);
  }
  if (outcome != CopyOutcome::kCopied) ::unlink(target.c_str());
  return outcome;
}

}  // namespace vantrel::tools
