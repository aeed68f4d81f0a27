// Dragging a caption-less window by hand: which band of its frame a point is on, where a dragged
// edge takes the window, and the pointer's shape over each band. The main window and the map
// pop-up share it, each with its own band width and minimum size.
#pragma once

#include <Qt>

namespace vantrel::ui {

// The system's hit codes for the parts of a window: the client area or one of the eight edges
// and corners of the frame.
enum class FrameHit {
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

// The frame part under (x, y) in client co-ordinates of a width x height window whose frame
// bands are `band` pixels wide; corners take precedence over edges.
FrameHit FrameHitAt(int x, int y, int width, int height, int band);

// A window's edges in screen co-ordinates: right and bottom just outside.
struct FrameEdges {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The window's edges while `edge` is dragged to the pointer at (x, y) (screen): a dragged left or
// top edge follows the pointer but stops the minimum size from the opposite edge; whichever edge
// is dragged, the window keeps at least the minimum size.
FrameEdges DragFrameEdge(FrameHit edge, const FrameEdges& window, int x, int y, int min_width,
                         int min_height);

// The pointer's shape over a frame part.
Qt::CursorShape FrameCursor(FrameHit hit);

}  // namespace vantrel::ui
