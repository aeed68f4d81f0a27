// Where the zoom window takes its picture from: the rectangle of the virtual screen around the
// pointer that is enlarged onto the window, and the part of the screen copy that is greyed out
// so the window never magnifies its own picture.
#pragma once

namespace vantrel::ui {

inline constexpr int kZoomFactor = 3;

struct ZoomRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  bool empty() const { return width <= 0 || height <= 0; }
  bool operator==(const ZoomRect&) const = default;
};

// The virtual screen in screen co-ordinates: the box around every monitor. Its left edge (and
// top, with a monitor above the primary one) may be negative.
struct VirtualScreen {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// The source rectangle, in screen co-ordinates, for a window whose client area is client_width x
// client_height and a pointer at (pointer_x, pointer_y): a third of the client size in each
// direction, centred on the pointer and kept on the virtual screen. Empty when the client area
// is smaller than the factor in either direction, so nothing is stretched.
ZoomRect ZoomSource(const VirtualScreen& screen, int client_width, int client_height, int pointer_x,
                    int pointer_y, int factor = kZoomFactor);

// A screen rectangle in the co-ordinates of a copy of the virtual screen (copy x = screen x -
// left edge, copy y = screen y - top edge).
ZoomRect InScreenCopy(const VirtualScreen& screen, const ZoomRect& on_screen);

}  // namespace vantrel::ui
