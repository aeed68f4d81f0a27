// The folder the viewer keeps its own files in ("config/option.ini", "temp"). That is the
// executable's folder, as users of the Windows viewer know it, unless this user cannot write
// there (a system-wide install), in which case it is the user's data folder for the viewer.
#pragma once

#include <string>

namespace vantrel::platform {

// ProgramFolderFor(ExecutableFolder()); empty when neither folder is known.
std::string ProgramFolder();

// executable_folder when it exists and this user may write in it, otherwise UserDataFolder().
std::string ProgramFolderFor(const std::string& executable_folder);

}  // namespace vantrel::platform
