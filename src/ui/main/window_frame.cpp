#include "ui/main/window_frame.h"

#include <algorithm>

#include "ui/main/main_layout.h"

namespace vantrel::ui {

FrameHit HitTest(int x, int y, int width, int height) {
  const bool left = x < kFrameBorder;
  const bool right = x >= width - kFrameBorder;
  const bool top = y < kFrameBorder;
  const bool bottom = y >= height - kFrameBorder;
  if (left && top) return FrameHit::kTopLeft;
  if (right && top) return FrameHit::kTopRight;
  if (left && bottom) return FrameHit::kBottomLeft;
  if (right && bottom) return FrameHit::kBottomRight;
  if (left) return FrameHit::kLeft;
  if (top) return FrameHit::kTop;
  if (right) return FrameHit::kRight;
  if (bottom) return FrameHit::kBottom;
  return FrameHit::kClient;
}

Rect ResizeFromEdge(FrameHit edge, const Rect& window, Point mouse) {
  Rect result = window;
  const bool drags_left =
      edge == FrameHit::kLeft || edge == FrameHit::kTopLeft || edge == FrameHit::kBottomLeft;
  const bool drags_right =
      edge == FrameHit::kRight || edge == FrameHit::kTopRight || edge == FrameHit::kBottomRight;
  const bool drags_top =
      edge == FrameHit::kTop || edge == FrameHit::kTopLeft || edge == FrameHit::kTopRight;
  const bool drags_bottom =
      edge == FrameHit::kBottom || edge == FrameHit::kBottomLeft || edge == FrameHit::kBottomRight;
  if (drags_left) result.left = std::min(mouse.x, result.right - kMinimumWidth);
  if (drags_top) result.top = std::min(mouse.y, result.bottom - kMinimumHeight);
  if (drags_right) result.right = mouse.x;
  if (drags_bottom) result.bottom = mouse.y;
  // The window never gets smaller than its minimum, whichever edge is dragged.
  result.right = std::max(result.right, result.left + kMinimumWidth);
  result.bottom = std::max(result.bottom, result.top + kMinimumHeight);
  return result;
}

Point MoveByGrab(Point grab, Point mouse) { return {mouse.x - grab.x, mouse.y - grab.y}; }

bool IsTopBandDoubleClick(int layout_mode, bool loading, int x, int y, int client_width) {
  return !loading && layout_mode == kFullLayout && x > 0 && x < client_width && y > 0 &&
         y < kTopBandHeight;
}

}  // namespace vantrel::ui
