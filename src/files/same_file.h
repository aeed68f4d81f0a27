// Whether two names lead to one file: through a symbolic link, a hard link or a different
// spelling of the path, writing one would destroy the other.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::files {

struct FileIdentity {
  uint64_t device = 0;
  uint64_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};

// The file a path leads to, links followed; none when there is none.
std::optional<FileIdentity> IdentityOf(const std::string& path);
// The file an open descriptor refers to.
std::optional<FileIdentity> IdentityOf(int descriptor);

// "output OUT is the same file as input IN" for the first input that output leads to, else
// empty. An output that does not exist yet is none of them.
std::string SameFileProblem(const std::string& output, const std::vector<std::string>& inputs);

}  // namespace vantrel::files
