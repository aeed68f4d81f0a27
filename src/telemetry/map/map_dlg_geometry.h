// The map pop-up's border: which band of the client area a point is on, and the window
// rectangle a border drag gives. The pop-up is never smaller than 300 x 300, and an edge dragged
// inward stops 300 pixels from the opposite edge.
#pragma once

namespace vantrel {

inline constexpr int kMapDlgMinimumSize = 300;
inline constexpr int kMapDlgBorderBand = 10;

// The system's hit codes for the window's parts.
enum class BorderHit {
  kClient = 1,
  kLeft = 10,
  kRight = 11,
  kTop = 12,
  kTopLeft = 13,
  kTopRight = 14,
  kBottom = 15,
  kBottomLeft = 16,
  kBottomRight = 17,
};

// The band a client point (x, y) is on for a client area of w x h: corners first, then the
// left, top, right and bottom bands; kClient inside them.
BorderHit BorderHitAt(int x, int y, int w, int h);

struct WindowEdges {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The window's edges while its border is dragged to the screen point (px, py): a moving left or
// top edge follows the pointer but stays kMapDlgMinimumSize from the opposite edge; a moving
// right or bottom edge follows it and keeps the minimum size.
WindowEdges ResizedEdges(const WindowEdges& edges, BorderHit hit, int px, int py);

}  // namespace vantrel
