// Files the repair reads, and stretches of them read as sources of their own: a recording's
// header part and movie part are either two files or two stretches of the one recording, and
// the repair reads them the same way. A part also tells where its bytes lie in the open file,
// so they can be copied without reading them through a buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "avi/byte_source.h"

namespace vantrel::tools {

// An ordinary file opened for reading; its size is taken once, when it is opened.
class OpenFile {
 public:
  // Null when the file cannot be opened or is not a regular file; never waits for a writer.
  static std::unique_ptr<OpenFile> Open(const std::string& path);
  ~OpenFile();
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;

  int descriptor() const { return descriptor_; }
  uint64_t size() const { return size_; }

 private:
  OpenFile(int descriptor, uint64_t size) : descriptor_(descriptor), size_(size) {}

  int descriptor_;
  uint64_t size_;
};

// Bytes [begin, end) of an open file (both clipped to its size), offsets counted from begin.
// The file must stay open while the part is used. Reads that move forward have the next
// stretch asked of the disk ahead of them, so a walk that skips from chunk header to chunk
// header through a file not yet cached does not wait for each header on its own.
class FilePart : public avi::ByteSource {
 public:
  FilePart(const OpenFile& file, uint64_t begin, uint64_t end);

  uint64_t Size() const override { return end_ - begin_; }
  size_t ReadAt(uint64_t offset, void* buffer, size_t size) override;

  int descriptor() const { return descriptor_; }
  uint64_t begin() const { return begin_; }

 private:
  int descriptor_;
  uint64_t begin_;
  uint64_t end_;
  uint64_t asked_ = 0;  // bytes of the part asked ahead so far
};

}  // namespace vantrel::tools
