// The current user's own folders, as the desktop names them.
#pragma once

#include <string>

namespace vantrel::platform {

// The user's documents folder (XDG_DOCUMENTS_DIR, else ~/Documents), without a trailing "/";
// empty when the system names none. The folder may not exist.
std::string DocumentsFolder();

// The user's desktop folder (XDG_DESKTOP_DIR, else ~/Desktop), the same way.
std::string DesktopFolder();

// Where the viewer keeps its files when it cannot keep them beside itself:
// $XDG_DATA_HOME/vantrel-viewer, else ~/.local/share/vantrel-viewer; empty without a home.
// Not created here.
std::string UserDataFolder();

}  // namespace vantrel::platform
