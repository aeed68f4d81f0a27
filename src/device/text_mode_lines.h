// Reads the recorder's small text files line by line the way the recorder's own platform reads
// them in text mode with a 256-byte buffer: CR LF becomes LF, and one read takes a line up to and
// including its LF, but never more than 255 bytes, so a longer line is met as several pieces.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace vantrel::device {

inline constexpr size_t kTextModeReadBytes = 255;

class TextModeLines {
 public:
  // Opens the file for reading; see is_open().
  explicit TextModeLines(const std::string& path);

  bool is_open() const { return file_ != nullptr; }

  // The next piece, its LF included when it has one; cut at a NUL byte as a C string would be.
  // False at the end of the file (or when it is not open).
  bool Next(std::string& line);

 private:
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::unique_ptr<std::FILE, Closer> file_;
};

}  // namespace vantrel::device
