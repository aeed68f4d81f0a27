// A fresh folder for one test, removed with everything in it when the test ends.
#pragma once

#include <filesystem>
#include <string>

namespace vantrel::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // path() / name as a string, for the APIs that take text paths.
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// Writes bytes to a file, creating the parent folders. Returns false when it cannot.
bool WriteFile(const std::filesystem::path& path, const std::string& bytes);
// The whole content of a file; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

}  // namespace vantrel::test
