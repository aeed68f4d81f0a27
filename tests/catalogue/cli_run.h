// Running the built command-line programs from the card tests, as a user runs them.
#pragma once

#include <string>
#include <vector>

namespace vantrel::test {

struct ProgramRun {
  std::string output;  // standard output only
  int exit_code = -1;
};

// Runs program with the words (quoted for the shell) and collects its standard output.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& words);

// The text cut at every separator; no empty last part for a text that ends with one.
std::vector<std::string> SplitText(const std::string& text, char separator);

}  // namespace vantrel::test
