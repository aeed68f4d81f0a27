// Where the RIFF writer puts its bytes: a file, or memory for tests and for building a file in
// pieces. A sink only grows at its end; WriteAt overwrites bytes already written (size fields
// that are known only once their content is complete).
//
// A sink is used by one thread at a time. Failures are sticky in the writer, not here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace vantrel::avi {

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  virtual bool Append(const void* data, size_t size) = 0;
  // Overwrites [offset, offset + size), which must lie inside what was written already.
  virtual bool WriteAt(uint64_t offset, const void* data, size_t size) = 0;
  virtual uint64_t Size() const = 0;
};

// A new file, replacing any file of that name. Closed by Close() or the destructor.
class FileSink : public ByteSink {
 public:
  FileSink() = default;
  ~FileSink() override;
  FileSink(const FileSink&) = delete;
  FileSink& operator=(const FileSink&) = delete;

  bool Open(const std::string& path);
  // Flushes and closes; false when anything written could not reach the file.
  bool Close();
  bool is_open() const { return file_ != nullptr; }

  bool Append(const void* data, size_t size) override;
  bool WriteAt(uint64_t offset, const void* data, size_t size) override;
  uint64_t Size() const override { return size_; }

 private:
  std::FILE* file_ = nullptr;
  uint64_t size_ = 0;
  bool failed_ = false;
};

class MemorySink : public ByteSink {
 public:
  bool Append(const void* data, size_t size) override;
  bool WriteAt(uint64_t offset, const void* data, size_t size) override;
  uint64_t Size() const override { return bytes_.size(); }

  const std::string& bytes() const { return bytes_; }
  std::string& bytes() { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace vantrel::avi
