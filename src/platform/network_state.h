// Whether this computer can reach the Internet, as the system's network information reports it.
// The map needs a connection; without one the viewer shows its not-connected picture.
#pragma once

namespace vantrel::platform {

// True only when the system reports the Internet as reachable. A machine whose network state
// cannot be read counts as not connected. Call on the user-interface thread.
bool InternetReachable();

}  // namespace vantrel::platform
