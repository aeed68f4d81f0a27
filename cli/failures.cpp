#include "failures.h"

#include <unistd.h>

#include <cstdio>
#include <memory>

#include "avi/avi_header.h"
#include "avi/byte_source.h"
#include "files/same_file.h"

namespace vantrel::cli {

int Failure(const std::string& command, const std::string& why) {
  std::fprintf(stderr, "vantrel-cli %s: %s\n", command.c_str(), why.c_str());
  return 1;
}

int UsageError(const std::string& command, const std::string& why, const std::string& usage) {
  std::fprintf(stderr, "vantrel-cli %s: %s\nusage: vantrel-cli %s\n", command.c_str(), why.c_str(),
               usage.c_str());
  return 2;
}

bool InputReadable(const std::string& command, const std::string& path, files::InputKind kind) {
  const std::string problem = files::InputProblem(path, kind);
  if (problem.empty()) return true;
  Failure(command, "cannot read " + path + ": " + problem);
  return false;
}

std::string CannotRead(const std::string& path) {
  const std::string problem = files::InputProblem(path);
  return "cannot read " + path + (problem.empty() ? "" : ": " + problem);
}

bool RecordingReadable(const std::string& command, const std::string& path) {
  if (!InputReadable(command, path)) return false;
  const std::unique_ptr<avi::FileByteSource> source = avi::FileByteSource::Open(path);
  if (!source) {
    Failure(command, "cannot read " + path);
    return false;
  }
  avi::AviHeaderError error = avi::AviHeaderError::kNone;
  if (avi::ReadAviHeader(*source, &error)) return true;
  Failure(command, path + ": " + avi::AviHeaderErrorText(error));
  return false;
}

bool OutputNotAnInput(const std::string& command, const std::string& output,
                      const std::vector<std::string>& inputs) {
  const std::string problem = files::SameFileProblem(output, inputs);
  if (problem.empty()) return true;
  Failure(command, problem + "; nothing was written");
  return false;
}

bool StandardOutputNotInto(const std::string& command, const std::string& input) {
  const auto out = files::IdentityOf(STDOUT_FILENO);
  if (!out || out != files::IdentityOf(input)) return true;
  Failure(command, "standard output is the same file as input " + input);
  return false;
}

}  // namespace vantrel::cli
