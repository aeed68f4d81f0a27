// Where the AVI reader gets its bytes: a file on disk, memory, or (through a source the card
// reader supplies) a file inside a LyFS card. Every read names its offset, so a reader never
// depends on a shared file position.
//
// A source is not thread-safe: its user serialises the calls (the splitter holds one lock
// around every read). Everything a source returns is untrusted content.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace vantrel::avi {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // The number of readable bytes, fixed while the source is open.
  virtual uint64_t Size() const = 0;
  // Reads up to size bytes at offset into buffer; returns how many bytes were read, fewer
  // than asked at the end of the source or when the medium fails.
  virtual size_t ReadAt(uint64_t offset, void* buffer, size_t size) = 0;

  // True when exactly size bytes could be read at offset.
  bool ReadExact(uint64_t offset, void* buffer, size_t size) {
    return offset <= Size() && size <= Size() - offset && ReadAt(offset, buffer, size) == size;
  }
};

// An ordinary file, opened for reading. Open returns null when the file cannot be opened or
// is not a regular file.
class FileByteSource : public ByteSource {
 public:
  static std::unique_ptr<FileByteSource> Open(const std::string& path);
  ~FileByteSource() override;
  FileByteSource(const FileByteSource&) = delete;
  FileByteSource& operator=(const FileByteSource&) = delete;

  uint64_t Size() const override { return size_; }
  size_t ReadAt(uint64_t offset, void* buffer, size_t size) override;

 private:
  FileByteSource(int descriptor, uint64_t size) : descriptor_(descriptor), size_(size) {}

  int descriptor_;
  uint64_t size_;
};

// Bytes held in memory: tests, fuzzing, and files built in memory.
class MemoryByteSource : public ByteSource {
 public:
  explicit MemoryByteSource(std::string bytes) : bytes_(std::move(bytes)) {}
  uint64_t Size() const override { return bytes_.size(); }
  size_t ReadAt(uint64_t offset, void* buffer, size_t size) override;

 private:
  std::string bytes_;
};

}  // namespace vantrel::avi
