// A file the repair writes: a new file (replacing any of that name) filled through one large
// buffer. Ranges of another file are read straight into that buffer, or, when they are large and
// their pages line up with the output's, copied inside the kernel (copy_file_range) where the
// two files allow it.
#pragma once

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

  bool Append(const void* data, size_t size);
  // Appends size bytes of `from` starting at offset; a kernel copy asks for at most `piece`
  // bytes at a time. False when `from` ends first or either file fails.
  bool AppendRange(int from, uint64_t offset, uint64_t size, size_t piece);
  // Empties the file (nothing half-written is left behind).
  void Discard();
  // Flushes and closes; false when anything written could not reach the file.
  bool Close();

 private:
  bool Flush();
  bool WriteAll(const uint8_t* data, size_t size);
  bool CopyThroughBuffer(int from, uint64_t offset, uint64_t size);

  int descriptor_;
  bool failed_ = false;
  bool in_kernel_ = true;  // cleared when the kernel cannot copy between these two files
  std::vector<uint8_t> buffer_;
  size_t used_ = 0;
  uint64_t size_ = 0;  // of the file, buffered bytes included
};

}  // namespace vantrel::tools
