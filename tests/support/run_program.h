// Running a program from a test as a user's script runs it: a path and argument words, each word
// passed unchanged whatever characters it holds, and the exit code and output collected.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vantrel::test {

// What becomes of the program's standard error.
enum class ErrorOutput {
  kDropped,   // thrown away
  kMerged,    // collected with standard output, in the order written
  kSeparate,  // collected on its own
};

struct ProgramRun {
  int exit_code = -1;  // -1 when the program did not start or did not exit normally
  std::string output;  // standard output, with standard error when merged
  std::string error;   // standard error when kept separate
};

// Runs program (a path, or a name looked up on PATH) with words. environment adds variables to
// the program's environment only, as name and value.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& words,
                      ErrorOutput error_output = ErrorOutput::kDropped,
                      const std::vector<std::pair<std::string, std::string>>& environment = {});

// The path of a tool of this project; every executable is built into one folder, so the tool
// sits beside the running test executable.
std::string ToolPath(const std::string& name);

}  // namespace vantrel::test
