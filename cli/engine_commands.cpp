#include <cstdio>

#include "commands.h"

namespace vantrel::cli {

int GrabCommand(const Words&) {
  std::fputs("vantrel-cli: not available yet\n", stderr);
  return 2;
}

int PlayCommand(const Words&) {
  std::fputs("vantrel-cli: not available yet\n", stderr);
  return 2;
}

int BenchDecodeCommand(const Words&) {
  std::fputs("vantrel-cli: not available yet\n", stderr);
  return 2;
}

}  // namespace vantrel::cli
