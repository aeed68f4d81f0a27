// Where the running executable lives. The viewer keeps its language libraries beside itself, so
// both the program and its tests ask this one place.
#pragma once

#include <string>

namespace vantrel::platform {

// The folder of the running executable, without a trailing "/"; empty when it cannot be found.
std::string ExecutableFolder();

}  // namespace vantrel::platform
