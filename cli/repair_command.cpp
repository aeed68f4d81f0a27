#include <cstdio>

#include "commands.h"

namespace vantrel::cli {

int RepairCommand(const Words&) {
  std::fputs("vantrel-cli: not available yet\n", stderr);
  return 2;
}

}  // namespace vantrel::cli
