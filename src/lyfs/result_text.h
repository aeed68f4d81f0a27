// Plain English for the library's results, for messages of the tools.
#pragma once

namespace vantrel::lyfs {

// "ok" for LYFS_OK and counts above 0; a short phrase for each error; "unknown error" else.
const char* ResultText(int result);

}  // namespace vantrel::lyfs
