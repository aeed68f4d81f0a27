// A file the repair writes, in few large gathered writes. It replaces any file of its name only
// when closed complete; until then the bytes go to a temporary file beside it. Small pieces made
// here are copied into one buffer; bytes that stay in place until the next flush (a mapped source
// part) are written from where they are, so the kernel copies them once; ranges of another file are
// read into the buffer.
#pragma once

#include <sys/uio.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "files/replacing_file.h"

namespace vantrel::tools {

class OutputFile {
 public:
  explicit OutputFile(const std::string& path);
  // Without a Close, nothing written is kept and a file of the name stays as it was.
  ~OutputFile() = default;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  bool is_open() const { return descriptor_ >= 0; }
  // Why the file could not be created, written or put in place; empty while all is well.
  const std::string& error() const { return error_.empty() ? file_.error() : error_; }

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
  // Flushes and puts the file in place of any of its name; false when anything written could
  // not reach the file or the file could not be put in place, which then stays as it was.
  bool Close();
  // Gives the file up: nothing written is kept and a file of its name stays as it was.
  void Abandon();

 private:
  void AddPiece(const void* data, size_t size);
  bool Room(size_t pieces, size_t bytes);

  std::string target_;
  files::ReplacingFile file_;
  std::string error_;
  int descriptor_;
  bool failed_ = false;
  std::vector<uint8_t> buffer_;
  size_t used_ = 0;            // bytes of buffer_ holding pieces not yet written
  std::vector<iovec> pieces_;  // not yet written, in order
};

}  // namespace vantrel::tools
