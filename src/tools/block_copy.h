// Copying a recording block by block into a new file, on a thread of its own while another
// thread shows how far it got and may call it off. A copy that does not complete leaves nothing
// behind.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace vantrel::tools {

// Shared by the copying thread and the thread that watches it.
struct CopyProgress {
  std::atomic<uint64_t> copied{0};  // bytes written so far
  std::atomic<uint64_t> total{0};   // the source's size once known, else 0
  std::atomic<bool> cancel{false};  // set by the watcher; the copy stops after its block
};

enum class CopyOutcome { kCopied, kFailed, kCancelled };

// Reads up to `size` bytes of the source into buffer: the bytes read, 0 at the end, below 0
// when the source fails.
using BlockReader = std::function<int64_t(uint8_t* buffer, size_t size)>;

// Creates (or empties) target and appends the source's blocks until the reader reports the end.
// A failing read or write, or a cancel, removes the target again.
CopyOutcome CopyBlocks(const BlockReader& read, size_t block_size, const std::string& target,
                       CopyProgress& progress);

}  // namespace vantrel::tools
