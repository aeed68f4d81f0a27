// Moving and resizing the caption-less main window by hand: which part of the window a point is
// on, where the window goes while an edge or the window itself is dragged, and the double click
// in the top band that maximises. The window calls these from its mouse handlers.
#pragma once

#include "ui/main/layout_rect.h"
#include "ui/skin/frame_drag.h"

namespace vantrel::ui {

inline constexpr int kMinimumWidth = 1026;
inline constexpr int kMinimumHeight = 770;
inline constexpr int kFrameBorder = 10;
// The top band that a double click maximises from, in the full layout.
inline constexpr int kTopBandHeight = 49;

// The frame part under (x, y) in client co-ordinates of a width x height window; corners take
// precedence over edges.
FrameHit HitTest(int x, int y, int width, int height);

// The window's new rectangle (screen co-ordinates) while `edge` is dragged to the mouse at
// `mouse` (screen), starting from `window`. A dragged left or top edge stops at the minimum size;
// the result is never below the minimum size.
Rect ResizeFromEdge(FrameHit edge, const Rect& window, Point mouse);

// The window's new top-left corner when the mouse that grabbed it at `grab` (client
// co-ordinates) is at `mouse` (screen).
Point MoveByGrab(Point grab, Point mouse);

// Whether a double click at (x, y) (client) maximises or restores the window: full layout only,
// not while loading, strictly inside the width and strictly between the top and the band's end.
bool IsTopBandDoubleClick(int layout_mode, bool loading, int x, int y, int client_width);

}  // namespace vantrel::ui
