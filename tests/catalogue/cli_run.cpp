#include "cli_run.h"

#include <sys/wait.h>

#include <cstdio>
#include <sstream>

namespace vantrel::test {

namespace {

std::string Quoted(const std::string& word) {
  std::string quoted = "'";
  for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& words) {
  std::string command = Quoted(program);
  for (const std::string& word : words) command += " " + Quoted(word);
  ProgramRun run;
  FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  size_t bytes = 0;
  while ((bytes = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, bytes);
  const int status = pclose(pipe);
  if (WIFEXITED(status)) run.exit_code = WEXITSTATUS(status);
  return run;
}

std::vector<std::string> SplitText(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream stream(text);
  std::string part;
  while (std::getline(stream, part, separator)) parts.push_back(part);
  return parts;
}

}  // namespace vantrel::test
