#include "ui/main/window_frame.h"

#include "ui/main/main_layout.h"

namespace vantrel::ui {

FrameHit HitTest(int x, int y, int width, int height) {
  return FrameHitAt(x, y, width, height, kFrameBorder);
}

Rect ResizeFromEdge(FrameHit edge, const Rect& window, Point mouse) {
  const FrameEdges edges =
      DragFrameEdge(edge, {window.left, window.top, window.right, window.bottom}, mouse.x, mouse.y,
                    kMinimumWidth, kMinimumHeight);
  return {edges.left, edges.top, edges.right, edges.bottom};
}

Point MoveByGrab(Point grab, Point mouse) { return {mouse.x - grab.x, mouse.y - grab.y}; }

bool IsTopBandDoubleClick(int layout_mode, bool loading, int x, int y, int client_width) {
  return !loading && layout_mode == kFullLayout && x > 0 && x < client_width && y > 0 &&
         y < kTopBandHeight;
}

}  // namespace vantrel::ui
