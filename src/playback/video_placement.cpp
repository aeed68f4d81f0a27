#include "playback/video_placement.h"

#include <cstdint>

namespace vantrel {

SurfacePlace FitSixteenByNine(const AreaEdges& area) {
  // 64-bit intermediates: a window rectangle near the int limits must not overflow the ratio.
  const int64_t w = int64_t{area.right} - area.left;
  const int64_t h = w * 9 / 16;
  const int64_t full_height = int64_t{area.bottom} - area.top;
  if (h < full_height) {
    return {area.left, static_cast<int>(area.top + (full_height - h) / 2), static_cast<int>(w),
            static_cast<int>(h)};
  }
  const int64_t w2 = full_height * 16 / 9;
  return {static_cast<int>(area.left + (w - w2) / 2), area.top, static_cast<int>(w2),
          static_cast<int>(full_height)};
}

SurfaceLayout SurfacesFor(int channel_mode, const AreaEdges& video_area) {
  SurfaceLayout layout;
  if (channel_mode == kRearMode) {
    layout.rear_shown = true;
    layout.rear = FitSixteenByNine(video_area);
  } else if (channel_mode == kAllMode) {
    const int half = static_cast<int>((int64_t{video_area.right} - video_area.left) / 2);
    layout.front_shown = layout.rear_shown = true;
    layout.front = FitSixteenByNine(
        {video_area.left, video_area.top, video_area.left + half, video_area.bottom});
    layout.rear = FitSixteenByNine(
        {video_area.left + half, video_area.top, video_area.left + 2 * half, video_area.bottom});
  } else {
    layout.front_shown = true;
    layout.front = FitSixteenByNine(video_area);
  }
  return layout;
}

}  // namespace vantrel
