// Where the two video surfaces go inside the video area for each channel mode: every picture is
// 16:9, centred in the room it gets. Shared by the window's layout and the playback controller.
#pragma once

#include "ui/main/layout_rect.h"

namespace vantrel::ui {

// ChannelMode values.
inline constexpr int kChannelFront = 1;
inline constexpr int kChannelRear = 2;
inline constexpr int kChannelAll = 3;

// The largest 16:9 rectangle inside `area`, centred on its short side (integer arithmetic,
// divisions truncated).
Rect FitSixteenByNine(const Rect& area);

struct SurfacePlacement {
  Rect front;
  Rect rear;
  bool front_shown = false;
  bool rear_shown = false;
};

// Front: the front surface fills the area; Rear: the rear one does; All: side by side, each in
// its half. A mode outside 1..3 is taken as Front.
SurfacePlacement PlaceSurfaces(int channel_mode, const Rect& video_area);

}  // namespace vantrel::ui
