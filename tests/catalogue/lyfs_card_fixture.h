// LyFS card images for the card reader's tests: a sparse image file, partitioned and formatted
// through the LyFS library with small tables, holding the files a test asks for. Also a way to run
// a check as an ordinary user, so permission tests mean something when the tests run as root.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "byte_pattern.h"

namespace vantrel::test {

struct CardFile {
  std::string directory;
  std::string name;
  std::string bytes;
};

// Writes a card image of size_mib MiB at path (1 MiB partition 1, the rest LyFS with the
// directories INFINITE 40 %, EVENT 40 % and PARKING 20 %, no NORMAL) holding the files, written
// in order. False when any step fails.
bool MakeLyfsCardImage(const std::string& path, uint32_t size_mib,
                       const std::vector<CardFile>& files);

// The result of check() run in a child process as the user "nobody" when this process is root
// (so file permissions apply), else run here. None when the child cannot be made.
std::optional<bool> AsOrdinaryUser(const std::function<bool()>& check);

}  // namespace vantrel::test
