// Opening a file a user or a card named, for reading. A fifo without a writer blocks an ordinary
// open, and a device such as /dev/zero never ends: both are refused at once instead.
#pragma once

#include <cstdint>
#include <string>

namespace vantrel::files {

enum class InputKind {
  kRegularFile,
  kRegularFileOrBlockDevice,  // a card read whole may be the card's own device
};

// Opens path read-only without waiting and refuses anything but the kind asked for. Returns the
// descriptor (close-on-exec, reads block as usual) or -1 with *why set: the system's reason, or
// "not a regular file". *size, when given, is the regular file's size.
int OpenInput(const std::string& path, InputKind kind, std::string* why,
              uint64_t* size = nullptr);

// The same check for a path that another library opens itself: empty when it would be opened,
// else why not.
std::string InputProblem(const std::string& path, InputKind kind = InputKind::kRegularFile);

}  // namespace vantrel::files
