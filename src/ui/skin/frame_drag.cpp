#include "ui/skin/frame_drag.h"

#include <algorithm>

namespace vantrel::ui {

FrameHit FrameHitAt(int x, int y, int width, int height, int band) {
  const bool left = x < band;
  const bool right = x >= width - band;
  const bool top = y < band;
  const bool bottom = y >= height - band;
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

FrameEdges DragFrameEdge(FrameHit edge, const FrameEdges& window, int x, int y, int min_width,
                         int min_height) {
  FrameEdges result = window;
  const bool drags_left =
      edge == FrameHit::kLeft || edge == FrameHit::kTopLeft || edge == FrameHit::kBottomLeft;
  const bool drags_right =
      edge == FrameHit::kRight || edge == FrameHit::kTopRight || edge == FrameHit::kBottomRight;
  const bool drags_top =
      edge == FrameHit::kTop || edge == FrameHit::kTopLeft || edge == FrameHit::kTopRight;
  const bool drags_bottom =
      edge == FrameHit::kBottom || edge == FrameHit::kBottomLeft || edge == FrameHit::kBottomRight;
  if (drags_left) result.left = std::min(x, result.right - min_width);
  if (drags_top) result.top = std::min(y, result.bottom - min_height);
  if (drags_right) result.right = x;
  if (drags_bottom) result.bottom = y;
  result.right = std::max(result.right, result.left + min_width);
  result.bottom = std::max(result.bottom, result.top + min_height);
  return result;
}

Qt::CursorShape FrameCursor(FrameHit hit) {
  switch (hit) {
    case FrameHit::kLeft:
    case FrameHit::kRight:
      return Qt::SizeHorCursor;
    case FrameHit::kTop:
    case FrameHit::kBottom:
      return Qt::SizeVerCursor;
    case FrameHit::kTopLeft:
    case FrameHit::kBottomRight:
      return Qt::SizeFDiagCursor;
    case FrameHit::kTopRight:
    case FrameHit::kBottomLeft:
      return Qt::SizeBDiagCursor;
    case FrameHit::kClient:
      break;
  }
  return Qt::ArrowCursor;
}

}  // namespace vantrel::ui
