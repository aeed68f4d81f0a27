#include "playback/widgets/zoom_geometry.h"

#include <algorithm>

namespace vantrel::ui {
namespace {

// The origin of a span of `size` centred on `centre`, kept within [low, high) where it fits.
int ClampedOrigin(int centre, int size, int low, int high) {
  int origin = centre - size / 2;
  origin = std::max(origin, low);
  if (origin + size > high) origin = high - size;
  // A span larger than the screen starts at the screen's edge.
  return std::max(origin, low);
}

}  // namespace

ZoomRect ZoomSource(const VirtualScreen& screen, int client_width, int client_height, int pointer_x,
                    int pointer_y, int factor) {
  if (factor <= 0) return {};
  const int width = client_width / factor;
  const int height = client_height / factor;
  if (width <= 0 || height <= 0) return {};
  // The right and bottom limits are the virtual screen's own edges, so a monitor left of or
  // above the primary one moves them along with the left and top edges.
  return ZoomRect{
      ClampedOrigin(pointer_x, width, screen.left, screen.left + screen.width),
      ClampedOrigin(pointer_y, height, screen.top, screen.top + screen.height),
      width,
      height,
  };
}

ZoomRect InScreenCopy(const VirtualScreen& screen, const ZoomRect& on_screen) {
  return ZoomRect{on_screen.x - screen.left, on_screen.y - screen.top, on_screen.width,
                  on_screen.height};
}

}  // namespace vantrel::ui
