// Long copies (a recording's part files, a rebuild) ask this between blocks whether the one who
// wanted them has given up; an empty check never cancels.
#pragma once

#include <functional>

namespace vantrel::tools {

using CancelCheck = std::function<bool()>;

inline bool IsCancelled(const CancelCheck& cancelled) { return cancelled && cancelled(); }

}  // namespace vantrel::tools
