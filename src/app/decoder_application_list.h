// The executable names the video decoder's per-user settings allow to use it, ending with the
// viewer's own. The decoder refuses every program that is not on this list.
#pragma once

#include <span>
#include <string_view>

namespace vantrel {

// The names in the order they are stored; the last is "Vantrel Viewer.exe".
std::span<const std::string_view> DecoderApplicationNames();

}  // namespace vantrel
