// The system files the volume code reads (/proc, /sys, /dev), seen below a root folder so that
// tests can lay out a fake tree in a temporary folder. Everything here only reads; every read is
// bounded, and a path that resolves outside the root is treated as missing.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::platform {

class VolumeFileRoot {
 public:
  // The real system is the root "/".
  explicit VolumeFileRoot(std::filesystem::path root = "/");

  // Where an absolute system path such as "/sys/block" lies under the root.
  std::filesystem::path Path(std::string_view absolute) const;

  // The whole file; nullopt when it cannot be read or is larger than limit bytes.
  std::optional<std::string> Read(std::string_view absolute, size_t limit) const;
  // A small attribute file (sysfs style) without its trailing white space.
  std::optional<std::string> ReadAttribute(std::string_view absolute) const;
  // The text of a symbolic link; nullopt when the path is no link.
  std::optional<std::string> ReadLink(std::string_view absolute) const;
  // The path with every link followed, as an absolute system path; nullopt when it does not
  // exist or leads outside the root.
  std::optional<std::string> Resolve(std::string_view absolute) const;
  bool Exists(std::string_view absolute) const;
  // Names in a folder, sorted; empty when it cannot be listed.
  std::vector<std::string> List(std::string_view absolute_folder) const;

 private:
  std::filesystem::path root_;
};

}  // namespace vantrel::platform
