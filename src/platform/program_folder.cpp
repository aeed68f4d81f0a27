#include "platform/program_folder.h"

#include <unistd.h>

#include "platform/executable_folder.h"
#include "platform/user_folders.h"

namespace vantrel::platform {

std::string ProgramFolder() { return ProgramFolderFor(ExecutableFolder()); }

std::string ProgramFolderFor(const std::string& executable_folder) {
  if (!executable_folder.empty() && access(executable_folder.c_str(), W_OK | X_OK) == 0) {
    return executable_folder;
  }
  return UserDataFolder();
}

}  // namespace vantrel::platform
