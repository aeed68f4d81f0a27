// An output file written under a temporary name in the target's folder and renamed over the
// target only when complete: a failure, a full disk or a killed process never leaves a cut
// output, and a file already of that name stays as it was until the new one is whole.
#pragma once

#include <cstddef>
#include <string>

namespace vantrel::files {

class ReplacingFile {
 public:
  // Creates the temporary file. A target that is a symbolic link is replaced where the link
  // leads; a target that exists but is not a regular file (a folder, a device, a fifo) is
  // refused, as is a folder that cannot be written.
  explicit ReplacingFile(const std::string& target);
  // Removes the temporary file unless it was committed.
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  bool is_open() const { return descriptor_ >= 0; }
  // Where the bytes go until Commit; -1 when the file could not be created.
  int descriptor() const { return descriptor_; }
  // The temporary file's path, for writers that open files by name.
  const std::string& temporary_path() const { return temporary_; }
  // Why the file could not be created or committed ("cannot create OUT: REASON").
  const std::string& error() const { return error_; }

  // Writes all of the bytes; false (with error()) when they cannot all be written.
  bool Write(const void* data, size_t size);

  // Closes the file and renames it over the target. False (with error()) when the close or the
  // rename fails; the temporary file is then removed and the target left as it was.
  bool Commit();
  // Gives up: the temporary file is removed and the target left as it was.
  void Abandon();

 private:
  bool Fail(const std::string& what);

  std::string target_;
  std::string temporary_;
  std::string error_;
  int descriptor_ = -1;
};

}  // namespace vantrel::files
