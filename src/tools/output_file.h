// A file the repair writes: a new file (replacing any of that name) written in few large
// gathered writes. Small pieces made here are copied into one buffer; bytes that stay in place
// until the next flush (a mapped source part) are written from where they are, so the kernel
// copies them once; ranges of another file are read into the buffer.
#pragma once

#include <sys/uio.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vantrel::tools {

class OutputFile {
 public:
  explicit OutputFile(const std::string& path);
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  bool is_open() const { return descriptor_ >= 0; }

  // Copies the bytes: the caller may reuse them at once.
  bool Append(const void* data, size_t size);
  // Writes the bytes from where they are: they must stay unchanged until Flush or Close.
  bool AppendInPlace(const void* data, size_t size);
  // Appends size bytes of the open file `from` starting at offset. False when `from` ends first
  // or fails.
  bool AppendRange(int from, uint64_t offset, uint64_t size);
  // Writes out everything appended so far; afterwards no bytes appended in place are referred
  // to. False when anything written could not reach the file.
  bool Flush();
  // Empties the file (nothing half-written is left behind) and forgets what was not yet
  // written.
  void Discard();
  // Flushes and closes; false when anything written could not reach the file.
  bool Close();

 private:
  void AddPiece(const void* data, size_t size);
  bool Room(size_t pieces, size_t bytes);

  int descriptor_;
  bool failed_ = false;
  std::vector<uint8_t> buffer_;
  size_t used_ = 0;            // bytes of buffer_ holding pieces not yet written
  std::vector<iovec> pieces_;  // not yet written, in order
};

}  // namespace vantrel::tools
