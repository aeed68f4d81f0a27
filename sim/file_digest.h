// The SHA-256 of a file, so that tests can tell a recording read back from a card is the one
// written.
#pragma once

#include <string>

namespace vantrel::sim {

// 64 lower-case hex digits; empty when the file cannot be read.
std::string Sha256OfFile(const std::string& path);

}  // namespace vantrel::sim
