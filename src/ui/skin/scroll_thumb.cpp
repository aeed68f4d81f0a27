#include "ui/skin/scroll_thumb.h"

#include <cmath>

namespace vantrel::ui {
namespace {

int TrackLength(int height) { return height - 2 * kScrollArrowHeight - kScrollThumbExtent; }

}  // namespace

double ScrollScale(int height, int limit) {
  // With nothing to scroll there is no scale: the thumb stays at the top.
  if (limit <= 0 || TrackLength(height) <= 0) return 0.0;
  return static_cast<double>(TrackLength(height)) / limit;
}

int ClampScrollThumb(int height, int thumb_top) {
  if (height - kScrollArrowHeight < kScrollArrowHeight + thumb_top) {
    thumb_top = height - kScrollArrowHeight - kScrollThumbExtent;
  }
  if (thumb_top < kScrollArrowHeight) thumb_top = kScrollArrowHeight;
  return thumb_top;
}

int ScrollThumbTop(int height, int limit, int position) {
  const double scale = ScrollScale(height, limit);
  return ClampScrollThumb(height,
                          static_cast<int>(std::trunc(scale * position)) + kScrollArrowHeight);
}

int ScrollTargetOfThumb(int thumb_top, double scale) {
  if (scale <= 0.0) return -1;
  const double target = std::trunc((thumb_top - kScrollArrowHeight) / scale);
  return target < 0 ? 0 : static_cast<int>(target);
}

ScrollBarPart ScrollBarPartAt(int y, int height, int thumb_top) {
  if (y >= thumb_top && y < thumb_top + kScrollThumbExtent) return ScrollBarPart::kThumb;
  if (y >= 0 && y < kScrollArrowHeight) return ScrollBarPart::kUpArrow;
  if (y >= height - kScrollArrowHeight && y < height) return ScrollBarPart::kDownArrow;
  if (y >= thumb_top + kScrollThumbExtent && y < height - kScrollArrowHeight) {
    return ScrollBarPart::kPageDown;
  }
  if (y >= kScrollArrowHeight && y < thumb_top) return ScrollBarPart::kPageUp;
  return ScrollBarPart::kNone;
}

}  // namespace vantrel::ui
