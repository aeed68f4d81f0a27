// Shared by the library's file calls: the open file behind a handle.
#pragma once

#include "lyfs/session.h"

namespace vantrel::lyfs {

// The open file of `handle` on `device`, or null.
inline OpenFile* FindOpenFile(DeviceSession& device, int handle) {
  const auto found = device.files.find(handle);
  return found == device.files.end() ? nullptr : &found->second;
}

}  // namespace vantrel::lyfs
