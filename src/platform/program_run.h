// Runs one of the system's tools (mkfs.fat, mcopy): the words are passed as they are, with no
// shell between, so file names with spaces or quotes are safe.
#pragma once

#include <string>
#include <vector>

namespace vantrel::platform {

// Runs words[0] (looked up on PATH) with the words as its arguments and waits for it. Returns
// its exit code, or -1 when it cannot be started or does not end normally. Its standard output
// and error go to *output when given (for messages), else nowhere.
int RunProgram(const std::vector<std::string>& words, std::string* output = nullptr);

}  // namespace vantrel::platform
