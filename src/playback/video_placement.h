// Where the front and rear video surfaces go inside the window's video area: a 16:9 picture as
// large as fits, centred, one surface for Front or Rear, two side by side for All.
#pragma once

namespace vantrel {

// Edges of an area in window pixels.
struct AreaEdges {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// A placed surface: its top-left corner and size.
struct SurfacePlace {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  bool operator==(const SurfacePlace&) const = default;
};

// Channel modes of the Front, Rear and All buttons.
inline constexpr int kFrontMode = 1;
inline constexpr int kRearMode = 2;
inline constexpr int kAllMode = 3;

// The largest 16:9 rectangle inside the area, centred across the spare height or width. Integer
// arithmetic that truncates, so a one-pixel remainder falls to the bottom or right.
SurfacePlace FitSixteenByNine(const AreaEdges& area);

// The surfaces a channel mode shows and where: surface 1 carries the front channel, surface 2
// the rear. A mode outside 1..3 is taken as Front.
struct SurfaceLayout {
  bool front_shown = false;
  bool rear_shown = false;
  SurfacePlace front;
  SurfacePlace rear;
};
SurfaceLayout SurfacesFor(int channel_mode, const AreaEdges& video_area);

}  // namespace vantrel
