#include "telemetry/map/map_dlg_geometry.h"

#include <algorithm>

namespace vantrel {

BorderHit BorderHitAt(int x, int y, int w, int h) {
  const bool left = x < kMapDlgBorderBand;
  const bool right = x >= w - kMapDlgBorderBand;
  const bool top = y < kMapDlgBorderBand;
  const bool bottom = y >= h - kMapDlgBorderBand;
  if (top && left) return BorderHit::kTopLeft;
  if (top && right) return BorderHit::kTopRight;
  if (bottom && left) return BorderHit::kBottomLeft;
  if (bottom && right) return BorderHit::kBottomRight;
  if (left) return BorderHit::kLeft;
  if (top) return BorderHit::kTop;
  if (right) return BorderHit::kRight;
  if (bottom) return BorderHit::kBottom;
  return BorderHit::kClient;
}

WindowEdges ResizedEdges(const WindowEdges& edges, BorderHit hit, int px, int py) {
  const bool moves_left =
      hit == BorderHit::kLeft || hit == BorderHit::kTopLeft || hit == BorderHit::kBottomLeft;
  const bool moves_right =
      hit == BorderHit::kRight || hit == BorderHit::kTopRight || hit == BorderHit::kBottomRight;
  const bool moves_top =
      hit == BorderHit::kTop || hit == BorderHit::kTopLeft || hit == BorderHit::kTopRight;
  const bool moves_bottom = hit == BorderHit::kBottom || hit == BorderHit::kBottomLeft ||
                            hit == BorderHit::kBottomRight;
  WindowEdges result = edges;
  if (moves_left) result.left = std::min(px, edges.right - kMapDlgMinimumSize);
  if (moves_top) result.top = std::min(py, edges.bottom - kMapDlgMinimumSize);
  if (moves_right) result.right = std::max(px, edges.left + kMapDlgMinimumSize);
  if (moves_bottom) result.bottom = std::max(py, edges.top + kMapDlgMinimumSize);
  return result;
}

}  // namespace vantrel
