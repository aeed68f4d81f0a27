#include "run_program.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "temp_dir.h"

namespace vantrel::test {
namespace {

// word in single quotes for the shell; a quote inside is closed, escaped and reopened.
std::string ShellQuoted(const std::string& word) {
  std::string quoted = "'";
  for (const char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// A fresh empty file for the program's standard error; empty when none can be made.
std::string MakeErrorFile() {
  const char* folder = std::getenv("TMPDIR");
  std::string path = std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") +
                     "/vantrel-test-stderr-XXXXXX";
  const int descriptor = mkstemp(path.data());
  if (descriptor < 0) return {};
  close(descriptor);
  return path;
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& words,
                      ErrorOutput error_output,
                      const std::vector<std::pair<std::string, std::string>>& environment) {
  ProgramRun run;
  std::string command;
  for (const auto& [name, value] : environment) command += name + "=" + ShellQuoted(value) + " ";
  command += ShellQuoted(program);
  for (const std::string& word : words) command += " " + ShellQuoted(word);

  std::string error_file;
  switch (error_output) {
    case ErrorOutput::kDropped:
      command += " 2>/dev/null";
      break;
    case ErrorOutput::kMerged:
      command += " 2>&1";
      break;
    case ErrorOutput::kSeparate:
      error_file = MakeErrorFile();
      if (error_file.empty()) return run;
      command += " 2>" + ShellQuoted(error_file);
      break;
  }

  if (std::FILE* pipe = popen(command.c_str(), "r"); pipe != nullptr) {
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, got);
    const int status = pclose(pipe);
    if (WIFEXITED(status)) run.exit_code = WEXITSTATUS(status);
  }
  if (!error_file.empty()) {
    run.error = ReadFile(error_file);
    std::filesystem::remove(error_file);
  }
  return run;
}

std::string ToolPath(const std::string& name) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return (self.parent_path() / name).string();
}

}  // namespace vantrel::test
