// Where the one map view lives: in the main window's map block, or in its pop-up.
#pragma once

namespace vantrel {

enum class MapPlacement { kDocked = 1, kPoppedOut = 2 };

}  // namespace vantrel
